// Harmonic salience over a grid of quarter semitones, and the harmonic comb.
#include "dsp/voice_pitch.h"

#include <algorithm>
#include <cmath>

namespace lomvex {
namespace {

constexpr double kStep = 1.0145453349375237;  // a quarter semitone, 2^(1/48)
constexpr double kSalienceTopHz = 4000.0;     // harmonics the salience looks at
constexpr double kVoicedRatio = 1.5;          // salience over the band's mean level
// Bins each side of a harmonic's peak taken with it: the core of the Hann
// main lobe. The lobe's skirts also hold what sounds with the voice there
// (a bass partial, a chord tone), and the centre's own estimate over
// neighbouring bins takes the voice's share of them.
constexpr int kPeakReach = 1;
constexpr int kHarmonics = 8;                 // harmonics the salience sums
// A pitch below kBassRangeTopHz may be a centred bass's: it is the voice's
// only with at least kRichHarmonics of its harmonics above kPresentRatio
// times the band's mean, as a voice has and a bass's few partials have not.
constexpr double kBassRangeTopHz = 140.0;
constexpr int kRichHarmonics = 7;
constexpr double kPresentRatio = 2.0;

// The highest compressed value within a bin of frequency `hz`.
double Near(const double* c, int bins, double binHz, double hz) {
    const int k = static_cast<int>(hz / binHz + 0.5);
    if (k < 1 || k + 1 >= bins) return 0.0;
    return std::max(c[k], std::max(c[k - 1], c[k + 1]));
}

double Salience(const double* c, int bins, double binHz, double f0, double floor) {
    double on = 0.0, half = 0.0, third = 0.0;
    int count = 0, present = 0;
    for (double hz = f0; hz < kSalienceTopHz && count < kHarmonics; hz += f0, ++count) {
        const double peak = Near(c, bins, binHz, hz);
        on += peak;
        present += peak > floor;
        half += Near(c, bins, binHz, hz - 0.5 * f0);
        third +=
            0.5 * (Near(c, bins, binHz, hz - f0 / 3.0) + Near(c, bins, binHz, hz - 2.0 * f0 / 3.0));
    }
    if (f0 < kBassRangeTopHz && present < kRichHarmonics) return 0.0;
    return count ? (on - std::max(half, third)) / count : 0.0;
}

}  // namespace

double TrackVoicePitch(const double* magnitude, int bins, double binHz, double* compressed) {
    const int top = std::min(bins, static_cast<int>(kSalienceTopHz / binHz) + 2);
    const int bottom = std::max(1, static_cast<int>(kVoiceLowestHz / binHz));
    double mean = 0.0;
    for (int k = 0; k < top; ++k) {
        compressed[k] = std::sqrt(magnitude[k]);
        if (k >= bottom) mean += compressed[k];
    }
    if (top <= bottom + 4) return 0.0;
    mean /= top - bottom;
    double best = 0.0, bestF0 = 0.0;
    for (double f0 = kVoiceLowestHz; f0 <= kVoiceHighestHz; f0 *= kStep) {
        const double s = Salience(compressed, top, binHz, f0, kPresentRatio * mean);
        if (s > best) best = s, bestF0 = f0;
    }
    return best > kVoicedRatio * mean && mean > 0.0 ? bestF0 : 0.0;
}

void MarkHarmonics(const double* magnitude, int bins, double binHz, double f0, double topHz,
                   double* comb) {
    std::fill(comb, comb + bins, 0.0);
    if (f0 <= 0.0) return;
    for (double hz = f0; hz < topHz; hz += f0) {
        const double expected = hz / binHz;
        const int reach = 1 + static_cast<int>(0.02 * expected);
        const int centre = static_cast<int>(expected + 0.5);
        int peak = centre;
        for (int k = std::max(1, centre - reach); k <= std::min(bins - 2, centre + reach); ++k) {
            if (magnitude[k] > magnitude[peak < bins ? peak : bins - 1]) peak = k;
        }
        if (peak >= bins) break;
        for (int k = std::max(0, peak - kPeakReach); k <= std::min(bins - 1, peak + kPeakReach);
             ++k) {
            comb[k] = 1.0;
        }
    }
}

}  // namespace lomvex
