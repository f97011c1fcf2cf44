// Decodes an Ogg Vorbis file held in memory to interleaved 16-bit PCM with
// stb_vorbis, for where the platform has no Vorbis codec.
//
// Only a single logical stream is taken: a chained or multiplexed file (a
// second beginning-of-stream page, or a page of another serial number) is
// refused before decoding, as is a first stream that is not Vorbis. A page
// damaged or cut short ends the sound there; nothing is read past the data,
// and the decoder's memory is bounded.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

struct stb_vorbis;

namespace lomvex {

enum class VorbisOpen { Opened, NotVorbis, Chained, Damaged };

// Whether the pages of `file` form one logical stream.
bool IsSingleOggStream(const std::vector<uint8_t>& file);

class VorbisDecoder {
   public:
    // Opens `file`; `result` says why when it returns null.
    static std::unique_ptr<VorbisDecoder> Open(std::vector<uint8_t> file, VorbisOpen& result);
    ~VorbisDecoder();
    VorbisDecoder(const VorbisDecoder&) = delete;
    VorbisDecoder& operator=(const VorbisDecoder&) = delete;

    int Channels() const { return channels_; }
    uint32_t Rate() const { return rate_; }
    // The length in frames the stream declares (its last granule position).
    uint32_t DeclaredFrames() const { return declaredFrames_; }
    // Decodes up to `frames` frames into `out` (channels × frames shorts);
    // returns the frames written, 0 at the end of the sound.
    size_t Read(int16_t* out, size_t frames);
    // Starts again from the first sample.
    void Restart();

   private:
    VorbisDecoder() = default;
    std::vector<uint8_t> file_;
    // All of the decoder's memory: stb_vorbis takes nothing from the heap
    // then, so a stream that fails half-way through its headers leaks
    // nothing, and one claiming huge tables is refused.
    std::vector<char> arena_;
    stb_vorbis* vorbis_ = nullptr;
    int channels_ = 0;
    uint32_t rate_ = 0;
    uint32_t declaredFrames_ = 0;
};

}  // namespace lomvex
