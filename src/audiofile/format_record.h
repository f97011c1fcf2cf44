// The format record: a WAVEFORMATEX-shaped block of bytes describing the
// sound of the open file (tag, channels, rate, byte rate, block alignment,
// bits, then cbSize and format-specific bytes).
//
// A FormatBlock owns the record's memory. The program keeps it in a movable
// local block (and reports allocation failures itself); tests keep it in a
// vector. Fields are read and written by offset, never through a struct cast.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "base/format_tags.h"

namespace lomvex {

constexpr uint16_t kTagMpegLayer3 = 85;
constexpr uint16_t kTagOggVorbis = 0x674F;

// Offsets of the WAVEFORMATEX fields.
constexpr size_t kFmtTag = 0;
constexpr size_t kFmtChannels = 2;
constexpr size_t kFmtSamplesPerSec = 4;
constexpr size_t kFmtAvgBytesPerSec = 8;
constexpr size_t kFmtBlockAlign = 12;
constexpr size_t kFmtBitsPerSample = 14;
constexpr size_t kFmtCbSize = 16;
constexpr size_t kPcmFormatSize = 16;  // a record without cbSize

class FormatBlock {
   public:
    virtual ~FormatBlock() = default;
    // Frees any record held and gets a zeroed one of `size` bytes; returns
    // null after its own message when the memory cannot be had.
    virtual uint8_t* Acquire(size_t size) = 0;
    virtual void Release() = 0;
    virtual uint8_t* Data() = 0;
    virtual size_t Size() const = 0;
};

class VectorFormatBlock : public FormatBlock {
   public:
    uint8_t* Acquire(size_t size) override;
    void Release() override { bytes_.clear(); }
    uint8_t* Data() override { return bytes_.empty() ? nullptr : bytes_.data(); }
    size_t Size() const override { return bytes_.size(); }

   private:
    std::vector<uint8_t> bytes_;
};

// The fields of a record of at least 16 bytes, decoded.
struct FormatFields {
    uint16_t tag = 0;
    uint16_t channels = 0;
    uint32_t samplesPerSec = 0;
    uint32_t avgBytesPerSec = 0;
    uint16_t blockAlign = 0;
    uint16_t bitsPerSample = 0;
};

FormatFields ReadFormatFields(const uint8_t* record);
// Writes the fields into the first 16 bytes of `record`.
void WriteFormatFields(uint8_t* record, const FormatFields& fields);

// A PCM format: tag 1, block align (bits / 8) × channels and a byte rate of
// rate × block align.
FormatFields PcmFormat(uint32_t rate, int channels, int bits);

// The sample rates the engine plays: the device is opened at up to twice
// and down to half of them, and the meters and transforms assume at least
// the lowest.
constexpr uint32_t kLowestPlayableRate = 8000;
constexpr uint32_t kHighestPlayableRate = 96000;

// What in a format record the engine cannot play, checked in this order.
enum class ShapeProblem { None, Channels, Rate, Bits, Block };

// Every record: one or two channels and a rate in the playable range. PCM
// also needs 8- or 16-bit samples and a block alignment of exactly
// channels × bytes per sample; a compressed record needs a block alignment.
ShapeProblem FindShapeProblem(const FormatFields& fields);

}  // namespace lomvex
