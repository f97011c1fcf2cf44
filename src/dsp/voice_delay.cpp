// Averaged, voice-weighted cross spectrum and its lag search.
#include "dsp/voice_delay.h"

#include <algorithm>
#include <cmath>
#include <new>

namespace lomvex {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kFromHz = 200.0;  // below, the centred bass and kick decide
constexpr double kToHz = 4000.0;
constexpr double kMostSeconds = 0.001;  // the largest lag looked for, either way
constexpr double kLagStep = 0.25;       // samples between the finest lags tried
constexpr double kAverage = 0.97;       // weight of the past per frame
constexpr int kSearchEvery = 8;         // frames between searches
constexpr double kTiny = 1e-30;

// The real part of the averaged cross spectrum turned back by `lag`: the
// generalized cross-correlation at that lag.
double Correlation(const ChannelDelay& d, double lag) {
    const double step = -2.0 * kPi * lag / d.n;
    double sum = 0.0;
    double turnRe = std::cos(step * d.fromBin), turnIm = std::sin(step * d.fromBin);
    const double stepRe = std::cos(step), stepIm = std::sin(step);
    for (int k = d.fromBin; k < d.toBin; ++k) {
        sum += d.crossRe[k] * turnRe - d.crossIm[k] * turnIm;
        const double re = turnRe * stepRe - turnIm * stepIm;
        turnIm = turnRe * stepIm + turnIm * stepRe;
        turnRe = re;
    }
    return sum;
}

}  // namespace

bool MakeChannelDelay(ChannelDelay& delay, int n, double sampleRate) {
    delay = ChannelDelay{};
    const int bins = n / 2 + 1;
    delay.crossRe.reset(new (std::nothrow) double[bins]());
    delay.crossIm.reset(new (std::nothrow) double[bins]());
    if (!delay.crossRe || !delay.crossIm) return false;
    delay.n = n;
    delay.mostLag = kMostSeconds * sampleRate;
    delay.fromBin = static_cast<int>(kFromHz * n / sampleRate);
    delay.toBin = std::min(bins, static_cast<int>(kToHz * n / sampleRate));
    return true;
}

void AddDelayFrame(ChannelDelay& d, const double* leftRe, const double* leftIm,
                   const double* rightRe, const double* rightIm, const double* voice) {
    for (int k = d.fromBin; k < d.toBin; ++k) {
        const double re = leftRe[k] * rightRe[k] + leftIm[k] * rightIm[k];
        const double im = leftIm[k] * rightRe[k] - leftRe[k] * rightIm[k];
        const double weight = (1.0 - kAverage) * voice[k];
        // Each bin by the square root of its magnitude: between the phase
        // transform (every bin alike, so a weak bin beside a harmonic counts
        // as much as the harmonic) and the plain cross spectrum.
        const double scale = weight / (std::sqrt(std::sqrt(re * re + im * im)) + kTiny);
        d.crossRe[k] = (1.0 - weight) * d.crossRe[k] + scale * re;
        d.crossIm[k] = (1.0 - weight) * d.crossIm[k] + scale * im;
    }
    if (++d.frames % kSearchEvery != 0 || d.toBin <= d.fromBin) return;
    // Whole samples first, then quarter samples around the best of them.
    double best = Correlation(d, 0.0), bestLag = 0.0;
    for (double lag = 1.0; lag <= d.mostLag; lag += 1.0) {
        for (double tried : {lag, -lag}) {
            const double c = Correlation(d, tried);
            if (c > best) best = c, bestLag = tried;
        }
    }
    const double whole = bestLag;
    for (double tried = whole - 0.75; tried <= whole + 0.75; tried += kLagStep) {
        const double c = Correlation(d, tried);
        if (c > best) best = c, bestLag = tried;
    }
    d.lag = bestLag;
}

void TurnSpectrum(double* re, double* im, int n, double lag) {
    if (lag == 0.0) return;
    const double step = 2.0 * kPi * lag / n;
    const double stepRe = std::cos(step), stepIm = std::sin(step);
    double c = 1.0, s = 0.0;
    for (int k = 0; k <= n / 2; ++k) {
        const double r = re[k] * c - im[k] * s;
        im[k] = re[k] * s + im[k] * c;
        re[k] = r;
        const double next = c * stepRe - s * stepIm;
        s = c * stepIm + s * stepRe;
        c = next;
    }
}

}  // namespace lomvex
