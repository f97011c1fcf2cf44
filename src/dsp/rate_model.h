// The playing rate: speed and pitch change together because the output
// device is opened at a scaled sample rate; the samples themselves and the
// equalizer's frequency scale stay those of the file.
//
// The rate setting r runs from -120 to 120 in steps of 1/120 octave (10 steps
// are one equal-tempered semitone); the factor is 2^(r/120), 0.5 .. 2.0.
#pragma once

#include <cstdint>
#include <string>

namespace lomvex {

constexpr int kRateMin = -120;
constexpr int kRateMax = 120;

int ClampRateSetting(int r);

// 2^(r/120).
double RateFactor(int r);

// With "Keep tempo" the device runs at the file's own rate and r becomes a
// transposition of r/10 semitones that the processing makes; without it the
// device rate carries both, as above.
// The rate setting the device opens at: r, or 0 when the tempo is kept.
int DeviceRateSetting(int r, bool keepTempo);
// The transposition in semitones: r/10 when the tempo is kept, else 0.
double KeptTempoShift(int r, bool keepTempo);

// The level meter's expected buffer duration during playback is scaled by
// 2^(-r/120).
double BufferDurationScale(int r);

// nSamplesPerSec for the output device: integer part of f*fileRate + 0.5.
uint32_t DeviceSampleRate(int r, uint32_t fileRate);

// nAvgBytesPerSec for the output device, by format tag:
//  113, 114, 115:  (integer part of f*(avgBytes / blockAlign) + 0.5) * blockAlign
//  1, 6, 7:        deviceRate * blockAlign
//  any other:      integer part of f*avgBytes + 0.5
// A block alignment of 0 takes the last rule.
uint32_t DeviceByteRate(int r, unsigned formatTag, uint32_t avgBytes, uint32_t blockAlign,
                        uint32_t deviceRate);

// "%.1f%%" of 100*2^(r/120): "100.0%" at 0, "200.0%" at 120.
std::string RateText(int r);

// The pitch in semitones: "%+5.1f" of r/10 in English, the Japanese format
// with its unit, or with `useclip` in Japanese the spelled-out form
// "%c%1d点%1d半音" (r = -15 gives -1点5半音). Japanese texts are Shift-JIS.
std::string PitchText(int r, bool japanese, bool useclip);

}  // namespace lomvex
