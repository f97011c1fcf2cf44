// Recognises MPEG audio and builds the MPEG Layer-3 format record (tag 85)
// that the compression manager decodes it with, estimating the byte rate
// from the first two frames and, for variable-bit-rate files, from a Xing
// header in the first frame.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "audiofile/byte_source.h"
#include "audiofile/format_record.h"
#include "audiofile/header_result.h"

namespace lomvex {

// The record: WAVEFORMATEX (cbSize 12) followed by the Layer-3 extension.
constexpr size_t kMpegRecordSize = 30;
constexpr size_t kMp3Id = 18;              // u16, always 1
constexpr size_t kMp3Flags = 20;           // u32, padding bit of the first frame
constexpr size_t kMp3BlockSize = 24;       // u16, length of the first frame
constexpr size_t kMp3FramesPerBlock = 26;  // u16, always 1
constexpr size_t kMp3CodecDelay = 28;      // u16, always 1393

// Parses from the source's current position: raw files start there at 0,
// RIFF-wrapped ones at their "data" chunk. A leading ID3v2 tag is skipped.
// `dataSize` is the number of sound bytes, used for the Xing byte rate.
// Readable dumps are appended to `dump` when it is not null.
//
// Returns kHeaderParsed with the record in `block` (also when the second
// frame cannot be read; a diagnostic box says why), kHeaderNoMemory when
// the block could not be had (reported by the block), kHeaderNotRecognised
// when the data does not start with a usable MPEG frame header. Leaves the
// source position somewhere inside the data; callers seek afterwards.
int ParseMpegHeader(ByteSource& source, FormatBlock& block, uint32_t dataSize, std::string* dump);

// The offset of the first frame header from the source's current position
// on, past a leading ID3v2 tag as ParseMpegHeader finds it; false when
// there is none.
bool FindFirstFrame(ByteSource& source, uint32_t& frameStart);

}  // namespace lomvex
