// Loop seam fades over 8-bit (unsigned) and 16-bit (signed) PCM.
#include "engine/loop_fade.h"

#include <algorithm>
#include <cmath>

#include "dsp/pcm_frames.h"

namespace lomvex {
namespace {

// Sample `k` of `pcm` as a value centred on 0.
double Sample(const uint8_t* pcm, uint32_t k, int layout) {
    if (layout & kLayout16Bit) return ReadSample16(pcm + 2 * k);
    return pcm[k] - 128.0;
}

void PutSample(uint8_t* pcm, uint32_t k, double value, int layout) {
    if (layout & kLayout16Bit) {
        WriteSample16(pcm + 2 * k,
                      static_cast<int16_t>(std::lround(std::clamp(value, -32768.0, 32767.0))));
        return;
    }
    pcm[k] = static_cast<uint8_t>(std::lround(std::clamp(value + 128.0, 0.0, 255.0)));
}

}  // namespace

uint32_t LoopFadeFrames(double sampleRate) {
    return std::max<uint32_t>(1, static_cast<uint32_t>(sampleRate * kLoopFadeSeconds));
}

void CrossFadeLoopSeam(uint8_t* head, uint32_t headBytes, const uint8_t* tail, uint32_t tailBytes,
                       uint32_t frames, int layout) {
    const uint32_t frameBytes = LayoutBytesPerFrame(layout);
    const uint32_t n = std::min(frames, headBytes / frameBytes);
    const uint32_t tailFrames = tail ? tailBytes / frameBytes : 0;
    const int channels = LayoutChannels(layout);
    for (uint32_t f = 0; f < n; ++f) {
        const double in = (f + 0.5) / frames;
        for (int c = 0; c < channels; ++c) {
            const uint32_t k = f * channels + c;
            const double after = f < tailFrames ? Sample(tail, k, layout) : 0.0;
            PutSample(head, k, Sample(head, k, layout) * in + after * (1.0 - in), layout);
        }
    }
}

}  // namespace lomvex
