// Sample conversion between PCM bytes and frame doubles, with silent clipping.
#include "dsp/pcm_frames.h"

#include <cmath>

namespace lomvex {
namespace {

inline double Sample16(const uint8_t* p) { return ReadSample16(p); }

inline void Store16(uint8_t* p, double v) { WriteSample16(p, ToPcm16(v)); }

inline void StoreSample(uint8_t* p, bool sixteen, double v) {
    if (sixteen) {
        Store16(p, v);
    } else {
        *p = ToPcm8(v);
    }
}

}  // namespace

int16_t ToPcm16(double v) {
    if (v < -32768.0) return -32768;
    if (v > 32767.0) return 32767;
    if (std::isnan(v)) return 0;
    return static_cast<int16_t>(v);
}

uint8_t ToPcm8(double v) {
    if (v < -128.0) return 0;
    if (v > 127.0) return 255;
    if (std::isnan(v)) return 128;
    return static_cast<uint8_t>(v + 128.0);
}

void ReadPcmFrames(const uint8_t* in, int layout, int count, double* re, double* im) {
    const bool stereo = (layout & kLayoutStereo) != 0;
    if (layout & kLayout16Bit) {
        const int step = stereo ? 4 : 2;
        for (int t = 0; t < count; ++t, in += step) {
            re[t] = Sample16(in);
            if (stereo) im[t] = Sample16(in + 2);
        }
    } else {
        const int step = stereo ? 2 : 1;
        for (int t = 0; t < count; ++t, in += step) {
            re[t] = in[0] - 128.0;
            if (stereo) im[t] = in[1] - 128.0;
        }
    }
}

void WritePcmFrames(uint8_t* out, int layout, int count, const double* re, const double* im,
                    const double* addRe, const double* addIm) {
    const bool stereo = (layout & kLayoutStereo) != 0;
    const bool sixteen = (layout & kLayout16Bit) != 0;
    const int sampleBytes = sixteen ? 2 : 1;
    const int step = LayoutBytesPerFrame(layout);
    for (int t = 0; t < count; ++t, out += step) {
        StoreSample(out, sixteen, addRe ? re[t] + addRe[t] : re[t]);
        if (stereo) StoreSample(out + sampleBytes, sixteen, addIm ? im[t] + addIm[t] : im[t]);
    }
}

}  // namespace lomvex
