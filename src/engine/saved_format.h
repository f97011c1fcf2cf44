// The 18-byte PCM format record written into every saved WAV file.
#pragma once

#include <array>
#include <cstdint>

#include "audiofile/format_record.h"

namespace lomvex {

using SavedFormatBytes = std::array<uint8_t, 18>;

// `fields` is the PCM sound the pipeline produces (the file's own record, or
// the decoder's 16-bit target). Saving with "L+R(monaural)" or
// "L-R(minusOne)" (`monoOutput`) writes one channel. The playing rate is
// never applied: the file keeps the source's sample rate.
SavedFormatBytes SavedFormat(const FormatFields& fields, bool monoOutput);

}  // namespace lomvex
