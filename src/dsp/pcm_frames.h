// PCM sample frames to and from the doubles of a frame pair.
//
// Layout code of a sound: bit 0 set = 16-bit samples (signed, little-endian),
// bit 1 set = two channels (interleaved left, right). 8-bit samples are
// unsigned with 128 as zero. In a frame pair the first channel (left, or the
// only one) goes to the real array and the second to the imaginary array.
#pragma once

#include <cstdint>

#include "base/format_tags.h"

namespace lomvex {

constexpr int kLayout16Bit = 1;
constexpr int kLayoutStereo = 2;

inline int LayoutChannels(int layout) {
    return (layout & kLayoutStereo) ? 2 : 1;
}
inline int LayoutBytesPerSample(int layout) {
    return (layout & kLayout16Bit) ? 2 : 1;
}
inline int LayoutBytesPerFrame(int layout) {
    return LayoutChannels(layout) * LayoutBytesPerSample(layout);
}

// One 16-bit sample: signed, little-endian.
inline int16_t ReadSample16(const uint8_t* p) {
    return static_cast<int16_t>(static_cast<uint16_t>(p[0] | (p[1] << 8)));
}
inline void WriteSample16(uint8_t* p, int16_t v) {
    const uint16_t bits = static_cast<uint16_t>(v);
    p[0] = static_cast<uint8_t>(bits & 0xFF);
    p[1] = static_cast<uint8_t>(bits >> 8);
}

// The byte of silence: 8-bit samples rest at 128, 16-bit ones at 0.
inline uint8_t SilenceByte(unsigned bitsPerSample) {
    return bitsPerSample == 16 ? 0x00 : 0x80;
}
inline uint8_t LayoutSilenceByte(int layout) {
    return SilenceByte((layout & kLayout16Bit) ? 16 : 8);
}

// What the processing needs to know about the sound being played, monitored
// or saved (from the format state and the decoder binding).
struct PcmSource {
    int layoutCode = 3;                  // 0 mono 8-bit ... 3 stereo 16-bit
    unsigned formatTag = kTagPcm;  // wFormatTag of the file's format record
    bool decoderStream = false;          // a decoder stream converts the file to PCM
    double sampleRate = 44100.0;         // Hz, the file's own rate
};

// The sound can be processed: it is PCM, or a decoder turns it into PCM.
inline bool IsProcessable(const PcmSource& source) {
    return source.formatTag == kTagPcm || source.decoderStream;
}

// A double as a 16-bit sample: clipped to -32768 .. 32767, else truncated
// toward zero. NaN (from an infinite gain) becomes silence.
int16_t ToPcm16(double v);

// A double (centred on 0) as an 8-bit sample: below -128 gives 0, above 127
// gives 255, else v + 128 truncated toward zero. NaN becomes 128.
uint8_t ToPcm8(double v);

// Reads `count` frames from `in` (layout `layout`) into re[0..count) and, for
// two channels, im[0..count). 8-bit samples are centred on 0.
void ReadPcmFrames(const uint8_t* in, int layout, int count, double* re, double* im);

// Writes `count` frames to `out` in layout `layout`: the first channel from
// re (+ addRe), the second from im (+ addIm). addRe and addIm may be null;
// with a one-channel layout only the real arrays are used.
void WritePcmFrames(uint8_t* out, int layout, int count, const double* re, const double* im,
                    const double* addRe = nullptr, const double* addIm = nullptr);

}  // namespace lomvex
