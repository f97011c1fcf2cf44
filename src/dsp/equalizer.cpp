// Graphic, parametric and Easy Setting gains over the bin pairs of a frame.
#include "dsp/equalizer.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "dsp/channel_operation.h"

namespace lomvex {
namespace {

// Multiplies bin `bin` of both arrays.
inline void Scale(double* re, double* im, int bin, double factor) {
    re[bin] *= factor;
    im[bin] *= factor;
}

inline void ScalePair(double* re, double* im, int n, int i, double factor) {
    Scale(re, im, i, factor);
    Scale(re, im, n - 1 - i, factor);
}

double PositionGain(int position) {
    return std::pow(2.0, -position / 6.0);
}

using GainTable = std::array<double, kBarPositionMax - kBarPositionMin + 1>;

GainTable MakeGainTable() {
    GainTable table;
    for (int t = kBarPositionMin; t <= kBarPositionMax; ++t)
        table[t - kBarPositionMin] = PositionGain(t);
    return table;
}

// The gain of bar j. Worked out once for every position a bar can be
// scrolled to: a pow for every band of every frame is a measurable part of
// a save with short frames. A position from the settings file outside the
// scroll range is worked out as it comes.
double BarGain(const int* bars, int j) {
    static const GainTable table = MakeGainTable();
    const int t = bars[j];
    if (t < kBarPositionMin || t > kBarPositionMax) return PositionGain(t);
    return table[t - kBarPositionMin];
}

// Bins lo..hi and their mirrors n-1-hi..n-1-lo of both arrays times
// `gain`: contiguous runs, so the loops go several bins at a time. A gain of
// exactly 1 (a bar at its middle) leaves every value as it is, so its band
// is not touched: most bars stay there.
void ScaleBand(double* re, double* im, int n, int lo, int hi, double gain) {
    if (gain == 1.0) return;
    for (int i = lo; i <= hi; ++i) re[i] *= gain, im[i] *= gain;
    for (int i = n - 1 - hi; i <= n - 1 - lo; ++i) re[i] *= gain, im[i] *= gain;
}

// Below 4096 points: ten octave bands on the even bars, each band ending
// where the bin index reaches the next power of two (walking down from the
// top bin, the band of a bar takes the bins down to and with its edge).
void ApplyOctaveBands(const int* bars, double* re, double* im, int n) {
    int edge = n / 4;
    for (int j = 18, hi = n / 2 - 1; j >= 0 && hi >= 0; j -= 2, edge /= 2) {
        ScaleBand(re, im, n, edge, hi, BarGain(bars, j));
        hi = edge - 1;
    }
}

// From 4096 points: twenty half-octave bands on every bar. The boundary is
// divided by 1.4142 (not the exact square root of 2) at each step; a band
// takes the bins down to and with the last one not above it.
void ApplyHalfOctaveBands(const int* bars, double* re, double* im, int n) {
    double edge = n * 1.4142 / 4;
    for (int j = 19, hi = n / 2 - 1; j >= 0 && hi >= 0; --j, edge /= 1.4142) {
        const int lo = std::min(hi, static_cast<int>(std::floor(edge)));
        ScaleBand(re, im, n, lo, hi, BarGain(bars, j));
        hi = lo - 1;
    }
}

void ApplyParametric(const double* p, double step, double* re, double* im, int n) {
    double gain[3];
    for (int b = 0; b < 3; ++b) gain[b] = std::pow(2.0, p[3 * b + 2] / 6.0);
    double f = 0.0;
    for (int i = 0; i < n / 2; ++i, f += step) {
        for (int b = 0; b < 3; ++b) {
            if (p[3 * b] <= f && f < p[3 * b + 1]) ScalePair(re, im, n, i, gain[b]);
        }
    }
}

struct VoiceBand {
    double lower;
    double upper;
};

constexpr VoiceBand kVoiceBands[kVoiceRanges] = {
    {320, 906}, {226, 641}, {160, 453}, {113, 321}, {80, 226},
};

// The low-band boost under "L-R(minusOne)": bin i and bin N-1-i get unequal
// factors, so the two channels of the frame are no longer kept apart there.
struct MinusOneBoost {
    double lower;
    double upper;
    double lowBin;
    double mirrorBin;
};

constexpr MinusOneBoost kMinusOneBoosts[] = {
    {80, 120, 2.0, 1.4},
    {60, 80, 2.8, 2.0},
    {30, 60, 4.0, 2.8},
    {15, 30, 2.8, 2.0},
};

void ApplyEasySetting(const EasySetting& easy, bool minusOne, double step, double* re, double* im,
                      int n) {
    const double octave = easy.octaveCut ? 2.0 : 1.0;
    double f = 0.0;
    for (int i = 0; i < n / 2; ++i, f += step) {
        if (easy.subsonic && f <= 20) ScalePair(re, im, n, i, (f / 20) * (f / 20));
        if (easy.lowBoost && f <= 160) ScalePair(re, im, n, i, f <= 40 ? 4.0 : 160 / f);
        if (easy.highBoost && f >= 2500) ScalePair(re, im, n, i, f < 10000 ? f / 2500 : 4.0);
        for (int v = 0; v < kVoiceRanges; ++v) {
            if (easy.voice[v] && kVoiceBands[v].lower < f && f < kVoiceBands[v].upper * octave) {
                ScalePair(re, im, n, i, 0.0);
                break;
            }
        }
        if (!minusOne) continue;
        for (const MinusOneBoost& band : kMinusOneBoosts) {
            if (band.lower <= f && f < band.upper) {
                Scale(re, im, i, band.lowBin);
                Scale(re, im, n - 1 - i, band.mirrorBin);
                break;
            }
        }
    }
}

}  // namespace

void ApplyEqualizer(const EqualizerSettings& settings, double sampleRate, int channelOperation,
                    double* re, double* im, int n) {
    const double step = sampleRate / n;
    switch (settings.fftmode) {
        case kFftModeParametric:
            ApplyParametric(settings.parametric, step, re, im, n);
            break;
        case kFftModeEasy:
            ApplyEasySetting(settings.easy, channelOperation == kChannelMinusOne, step, re, im, n);
            break;
        default:
            if (n < 4096) {
                ApplyOctaveBands(settings.bars, re, im, n);
            } else {
                ApplyHalfOctaveBands(settings.bars, re, im, n);
            }
            break;
    }
}

}  // namespace lomvex
