// The length of an Ogg Vorbis song in samples, from the granule position of
// its last page: what the nominal bit rate of the headers only estimates.
#pragma once

#include <cstdint>

#include "audiofile/byte_source.h"

namespace lomvex {

// The granule position of the last Ogg page that ends within the last
// 64 KiB of the `length` bytes of `source`; false when none is found there
// or it holds no position. Leaves the source position anywhere.
bool LastOggGranule(ByteSource& source, uint32_t length, uint64_t& granule);

}  // namespace lomvex
