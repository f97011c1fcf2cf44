// Recognises an Ogg Vorbis file by its first page and builds the format
// record (tag 0x674F) that the compression manager's Vorbis codec opens.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "audiofile/byte_source.h"
#include "audiofile/format_record.h"
#include "audiofile/header_result.h"

namespace lomvex {

// WAVEFORMATEX (cbSize 8) followed by two fixed codec words.
constexpr size_t kOggRecordSize = 26;
constexpr size_t kOggCodecWord1 = 18;  // u32, 0x20001214
constexpr size_t kOggCodecWord2 = 22;  // u32, 0x20001031

// Reads the first page at `offset`: "OggS", then the channel count, sample
// rate and nominal bit rate of the Vorbis identification header at their
// fixed places (a first page with that header as its only segment). The
// readable dump is appended to `dump` when it is not null.
//
// Returns kHeaderParsed with the record in `block`, kHeaderNoMemory when the
// block could not be had (reported by the block), kHeaderNotRecognised when
// the data is not Ogg, a read falls short, or the channel count or sample
// rate is 0.
int ParseOggHeader(ByteSource& source, FormatBlock& block, uint32_t offset, std::string* dump);

}  // namespace lomvex
