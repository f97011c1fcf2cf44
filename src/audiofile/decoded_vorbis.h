// An Ogg Vorbis file decoded whole into 16-bit PCM in memory, for where the
// platform has no Vorbis codec, handed out in step with the file bytes the
// engine reads: each read of the file gives the share of the sound that its
// bytes stand for, so the engine counts, shows and ends the data as it does
// for a file a codec decodes, and the last byte read gives the last frame.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "audiofile/byte_source.h"
#include "audiofile/vorbis_decoder.h"

namespace lomvex {

// The whole of an Ogg Vorbis `source` (`length` bytes from offset 0). False
// after a message: the damaged file's when a read falls short, the memory
// one when the bytes do not fit. The position is left at 0.
bool ReadWholeSource(ByteSource& source, uint32_t length, std::vector<uint8_t>& bytes);

// The 18-byte record of the decoded sound: 16-bit PCM, `channels`, `rate`.
void WriteDecodedPcmRecord(uint8_t* record, uint16_t channels, uint32_t rate);

// Why an Ogg file that was taken for Vorbis does not decode: the message of
// `result` (chained, or damaged for every other failure).
void ShowVorbisOpenFailure(VorbisOpen result);

enum class VorbisDecode { Decoded, Refused, NoMemory };

class DecodedVorbis {
   public:
    // Decodes `file` whole. Refused with `open` saying why when it does not
    // open or holds no sound; NoMemory when the sound does not fit in memory.
    static VorbisDecode Decode(std::vector<uint8_t> file, std::unique_ptr<DecodedVorbis>& out,
                               VorbisOpen& open);

    int Channels() const { return channels_; }
    uint32_t Rate() const { return rate_; }
    uint32_t BlockAlign() const { return static_cast<uint32_t>(channels_) * 2; }
    uint32_t Frames() const { return static_cast<uint32_t>(samples_.size() / channels_); }

    // The most PCM bytes one read of `sourceBytes` file bytes gives.
    uint32_t LargestShare(uint32_t sourceBytes) const;
    // Copies into `out` the PCM bytes that the next `sourceBytes` of the
    // file stand for; returns their count. Reads past the file's end give
    // what is left.
    uint32_t TakeShare(uint32_t sourceBytes, uint8_t* out);
    // Copies into `out` at most `frames` frames of the PCM that the next
    // read starts with, without taking them; returns their bytes.
    uint32_t Following(uint32_t frames, uint8_t* out) const;
    // The next read is the file's first again.
    void Restart() { consumed_ = 0, framesOut_ = 0; }
    // The next read follows the first `sourceBytes` of the file: a jump to
    // the sound those bytes end at.
    void MoveTo(uint32_t sourceBytes) {
        consumed_ = sourceBytes, framesOut_ = FramesAfter(sourceBytes);
    }

   private:
    DecodedVorbis() = default;
    uint32_t FramesAfter(uint64_t consumed) const;

    std::vector<int16_t> samples_;
    int channels_ = 0;
    uint32_t rate_ = 0;
    uint32_t fileBytes_ = 0;
    uint64_t consumed_ = 0;
    uint32_t framesOut_ = 0;
};

}  // namespace lomvex
