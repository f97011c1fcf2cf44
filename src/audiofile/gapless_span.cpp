// The encoded span of a tagged MP3's decoded sound, and its cutter.
#include "audiofile/gapless_span.h"

#include <algorithm>
#include <cstring>

namespace lomvex {

GaplessSpan DecodedSpan(const GaplessInfo& info) {
    GaplessSpan span;
    span.skipFrames = uint64_t{info.samplesPerFrame} + kAcmMp3DecoderDelay + info.delay;
    span.keepFrames = info.EncodedSamples();
    return span;
}

PcmSpanCutter::PcmSpanCutter(const GaplessSpan& span, uint32_t blockAlign)
    : cuts_(true),
      skipBytes_(span.skipFrames * blockAlign),
      endBytes_((span.skipFrames + span.keepFrames) * blockAlign) {}

uint32_t PcmSpanCutter::Cut(uint8_t* pcm, uint32_t bytes) {
    const uint64_t start = position_, end = position_ + bytes;
    position_ = end;
    const uint64_t from = std::max({start, dropUntil_, cuts_ ? skipBytes_ : 0});
    const uint64_t to = cuts_ ? std::min(end, endBytes_) : end;
    if (from >= to) return 0;
    if (from == start && to == end) return bytes;
    const uint32_t kept = static_cast<uint32_t>(to - from);
    std::memmove(pcm, pcm + (from - start), kept);
    return kept;
}

}  // namespace lomvex
