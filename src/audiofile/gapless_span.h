// Which part of a tagged MP3's decoded sound was encoded: the decoder's
// output starts with the tag's own frame, decoded as silence, then the
// decoder's delay, then the encoder's; after the encoded samples comes the
// padding. The cutter keeps only the encoded samples of the decoded buffers.
#pragma once

#include <cstdint>

#include "audiofile/lame_tag.h"

namespace lomvex {

// The delay of the Layer-3 codec that the Audio Compression Manager offers,
// in samples, besides the tag's frame: measured under Wine's MP3 codec by
// saving lame-made MP3s of known noise (MPEG-1 at 44.1 kHz and MPEG-2 at
// 22.05 kHz) and aligning them with their sources by cross-correlation:
// both lag one frame + 529 + the encoder's delay. 529 is the polyphase
// synthesis delay of every standard Layer-3 decoder (528 + 1).
constexpr uint32_t kAcmMp3DecoderDelay = 529;

struct GaplessSpan {
    uint64_t skipFrames = 0;  // decoded frames before the first encoded one
    uint64_t keepFrames = 0;  // the encoded frames
};

// The span of the encoded sound in what the compression manager decodes.
GaplessSpan DecodedSpan(const GaplessInfo& info);

// Cuts a run of decoded PCM buffers to a span, in place.
class PcmSpanCutter {
   public:
    // A cutter that keeps everything.
    PcmSpanCutter() = default;
    PcmSpanCutter(const GaplessSpan& span, uint32_t blockAlign);

    // Keeps of the `bytes` at `pcm` the part inside the span, moved to the
    // start of `pcm`; returns its length.
    uint32_t Cut(uint8_t* pcm, uint32_t bytes);
    // The next buffer is the first of the sound again.
    void Restart() { position_ = 0, dropUntil_ = 0; }
    // After a jump: the next buffer starts `decodedBytes` into the decoded
    // sound, so the cut still follows the whole song's span, and what comes
    // before `keepFrom` (the restarted codec's lag) is dropped as well.
    void MoveTo(uint64_t decodedBytes, uint64_t keepFrom) {
        position_ = decodedBytes, dropUntil_ = keepFrom;
    }

   private:
    bool cuts_ = false;
    uint64_t skipBytes_ = 0;
    uint64_t endBytes_ = 0;
    uint64_t position_ = 0;  // decoded bytes before the next buffer
    uint64_t dropUntil_ = 0;
};

}  // namespace lomvex
