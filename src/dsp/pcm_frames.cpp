// Sample conversion between PCM bytes and frame doubles, with silent clipping.
#include "dsp/pcm_frames.h"

#include <cmath>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace lomvex {
namespace {

inline double Sample16(const uint8_t* p) {
    return ReadSample16(p);
}

inline void Store16(uint8_t* p, double v) {
    WriteSample16(p, ToPcm16(v));
}

inline void StoreSample(uint8_t* p, bool sixteen, double v) {
    if (sixteen) {
        Store16(p, v);
    } else {
        *p = ToPcm8(v);
    }
}

#if defined(__SSE2__)
// Two doubles as ToPcm16 makes them, in the low two 32-bit lanes: NaN to 0,
// clipped, truncated toward zero.
inline __m128i Pcm16Pair(__m128d v) {
    v = _mm_and_pd(v, _mm_cmpord_pd(v, v));
    v = _mm_min_pd(_mm_max_pd(v, _mm_set1_pd(-32768.0)), _mm_set1_pd(32767.0));
    return _mm_cvttpd_epi32(v);
}

inline __m128d LoadSum(const double* a, const double* add, int t) {
    const __m128d v = _mm_loadu_pd(a + t);
    return add ? _mm_add_pd(v, _mm_loadu_pd(add + t)) : v;
}

// The 16-bit layouts two frames at a time; returns the frames read.
int ReadPcm16Pairs(const uint8_t* in, bool stereo, int count, double* re, double* im) {
    int t = 0;
    for (; t + 2 <= count; t += 2) {
        if (stereo) {
            __m128i frames = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(in + 4 * t));
            // Sign-extended to 32 bits, then left, left, right, right.
            frames = _mm_srai_epi32(_mm_unpacklo_epi16(frames, frames), 16);
            frames = _mm_shuffle_epi32(frames, _MM_SHUFFLE(3, 1, 2, 0));
            _mm_storeu_pd(re + t, _mm_cvtepi32_pd(frames));
            _mm_storeu_pd(im + t, _mm_cvtepi32_pd(_mm_unpackhi_epi64(frames, frames)));
        } else {
            int32_t two = 0;
            std::memcpy(&two, in + 2 * t, sizeof two);
            const __m128i samples = _mm_cvtsi32_si128(two);
            _mm_storeu_pd(
                re + t, _mm_cvtepi32_pd(_mm_srai_epi32(_mm_unpacklo_epi16(samples, samples), 16)));
        }
    }
    return t;
}

// The 16-bit layouts two frames at a time; returns the frames written.
int WritePcm16Pairs(uint8_t* out, bool stereo, int count, const double* re, const double* im,
                    const double* addRe, const double* addIm) {
    int t = 0;
    for (; t + 2 <= count; t += 2) {
        const __m128i first = Pcm16Pair(LoadSum(re, addRe, t));
        if (stereo) {
            const __m128i second = Pcm16Pair(LoadSum(im, addIm, t));
            const __m128i frames = _mm_unpacklo_epi32(first, second);
            _mm_storel_epi64(reinterpret_cast<__m128i*>(out + 4 * t),
                             _mm_packs_epi32(frames, frames));
        } else {
            const int32_t two = _mm_cvtsi128_si32(_mm_packs_epi32(first, first));
            std::memcpy(out + 2 * t, &two, sizeof two);
        }
    }
    return t;
}
#endif

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
        int t = 0;
#if defined(__SSE2__)
        t = ReadPcm16Pairs(in, stereo, count, re, im);
#endif
        for (in += t * step; t < count; ++t, in += step) {
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
    int t = 0;
#if defined(__SSE2__)
    // Little-endian targets only have SSE2: the lanes are the bytes' order.
    if (sixteen) t = WritePcm16Pairs(out, stereo, count, re, im, addRe, addIm);
#endif
    for (out += t * step; t < count; ++t, out += step) {
        StoreSample(out, sixteen, addRe ? re[t] + addRe[t] : re[t]);
        if (stereo) StoreSample(out + sampleBytes, sixteen, addIm ? im[t] + addIm[t] : im[t]);
    }
}

}  // namespace lomvex
