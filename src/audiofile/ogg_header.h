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

// The codec of the first packet of the Ogg page at `offset`, by its
// signature: "Vorbis", "Opus", "FLAC", "Speex", "Theora", or "unknown";
// "" when the data there is not an Ogg page or is cut short (a first
// packet of fewer than 8 bytes).
std::string OggFirstCodec(ByteSource& source, uint32_t offset);

// Reads the first page at `offset`: "OggS", then the channel count, sample
// rate and nominal bit rate of the Vorbis identification header that is
// its first packet (for a well-formed file, at 39, 40 and 48: the header is
// the page's only segment). The readable dump is appended to `dump` when it
// is not null.
//
// Returns kHeaderParsed with the record in `block`, kHeaderNoMemory when the
// block could not be had (reported by the block), kHeaderOtherCodec when
// the first packet is not a Vorbis identification header (OggFirstCodec
// names it), kHeaderNotRecognised when the data is not Ogg, a read falls
// short, or the channel count or sample rate is 0.
int ParseOggHeader(ByteSource& source, FormatBlock& block, uint32_t offset, std::string* dump);

}  // namespace lomvex
