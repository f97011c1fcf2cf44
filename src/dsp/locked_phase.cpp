// Peaks, their phase advances and the rotation of each peak's region.
#include "dsp/locked_phase.h"

#include <cmath>
#include <initializer_list>
#include <new>

namespace lomvex {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kTwoPi = 2.0 * kPi;
constexpr double kOnsetRise = 3.0;  // magnitude factor, about 10 dB

// The angle in -pi .. pi that differs from `a` by a whole number of turns.
double Wrap(double a) {
    return a - kTwoPi * std::floor((a + kPi) / kTwoPi);
}

// Bins 0 .. N/2 of the sum of both channels, from bins k and N-k of the
// transform Z of first + i*second: (Z[k] + conj Z[N-k]) / 2 for the first
// channel, (Z[k] - conj Z[N-k]) / 2i for the second.
void SumSpectrum(LockedPhase& state, const double* re, const double* im) {
    const int n = state.n;
    for (int k = 0; k <= n / 2; ++k) {
        const int mirror = (n - k) & (n - 1);
        const double a = re[k], b = im[k], c = re[mirror], d = im[mirror];
        const double sr = 0.5 * (a + c + b + d), si = 0.5 * (b - d - a + c);
        state.sumRe[k] = sr;
        state.sumIm[k] = si;
        state.magnitude[k] = std::sqrt(sr * sr + si * si);
    }
}

// Bins above their lower neighbour and not below their upper one; returns
// how many.
int FindPeaks(const double* magnitude, int half, int* peaks) {
    int count = 0;
    for (int k = 1; k < half; ++k) {
        if (magnitude[k] > magnitude[k - 1] && magnitude[k] >= magnitude[k + 1]) peaks[count++] = k;
    }
    return count;
}

// The rotation of peak bin k: the previous rotation there plus (factor - 1)
// times the bin's phase advance since the previous grain, unwrapped around
// what its centre frequency advances over `points`. A peak that rose by more
// than kOnsetRise starts a new sound, which keeps the phase it starts with,
// so that its attack stays as sharp as in the input.
double PeakTurn(const LockedPhase& state, int k, double points, double factor) {
    const double sr = state.sumRe[k], si = state.sumIm[k];
    const double pr = state.previousRe[k], pi = state.previousIm[k];
    if (sr * sr + si * si > kOnsetRise * kOnsetRise * (pr * pr + pi * pi)) return 0.0;
    const double expected = kTwoPi * k * points / state.n;
    const double turn = std::atan2(si * pr - sr * pi, sr * pr + si * pi);
    const double advance = expected + Wrap(turn - expected);
    return Wrap(state.rotation[k] + (factor - 1.0) * advance);
}

// Turns bins [from, to) (within 1 .. N/2-1) by `angle` and their mirrors by
// -angle.
void Turn(double* re, double* im, int n, int from, int to, double angle) {
    const double c = std::cos(angle), s = std::sin(angle);
    for (int k = from; k < to; ++k) {
        const double r = re[k], i = im[k];
        re[k] = r * c - i * s;
        im[k] = r * s + i * c;
        const double mr = re[n - k], mi = im[n - k];
        re[n - k] = mr * c + mi * s;
        im[n - k] = mi * c - mr * s;
    }
}

// The bin of least magnitude in [from, to].
int LowestBetween(const double* magnitude, int from, int to) {
    int lowest = from;
    for (int k = from + 1; k <= to; ++k) {
        if (magnitude[k] < magnitude[lowest]) lowest = k;
    }
    return lowest;
}

}  // namespace

bool MakeLockedPhase(LockedPhase& state, int n) {
    state = LockedPhase{};
    const int bins = n / 2 + 1;
    for (auto* array : {&state.previousRe, &state.previousIm, &state.rotation, &state.sumRe,
                        &state.sumIm, &state.magnitude, &state.peakTurn}) {
        array->reset(new (std::nothrow) double[bins]);
        if (!*array) {
            state = LockedPhase{};
            return false;
        }
    }
    state.peaks.reset(new (std::nothrow) int[bins]);
    if (!state.peaks) {
        state = LockedPhase{};
        return false;
    }
    state.n = n;
    ResetLockedPhase(state);
    return true;
}

void ResetLockedPhase(LockedPhase& state) {
    for (int k = 0; k <= state.n / 2; ++k) state.rotation[k] = 0.0;
    state.hasPrevious = false;
}

void LockPhases(LockedPhase& state, double* re, double* im, double points, double factor) {
    const int n = state.n, half = n / 2;
    SumSpectrum(state, re, im);
    const int count = FindPeaks(state.magnitude.get(), half, state.peaks.get());
    if (state.hasPrevious && count > 0) {
        const int* peaks = state.peaks.get();
        for (int p = 0; p < count; ++p)
            state.peakTurn[p] = PeakTurn(state, peaks[p], points, factor);
        // DC and Nyquist stay real. A peak's region starts at the lowest bin
        // between it and the peak below and ends before the lowest bin
        // between it and the peak above.
        int from = 1;
        for (int p = 0; p < count; ++p) {
            const int to =
                p + 1 < count ? LowestBetween(state.magnitude.get(), peaks[p], peaks[p + 1]) : half;
            Turn(re, im, n, from, to, state.peakTurn[p]);
            for (int k = from; k < to; ++k) state.rotation[k] = state.peakTurn[p];
            from = to;
        }
    }
    for (int k = 0; k <= half; ++k) {
        state.previousRe[k] = state.sumRe[k];
        state.previousIm[k] = state.sumIm[k];
    }
    state.hasPrevious = true;
}

}  // namespace lomvex
