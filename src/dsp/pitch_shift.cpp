// The stream around the grains: input history, grain schedule, the sum of
// the grains and the delay line that a shift of 0 reads.
//
// Time line: grain g is centred on input position c = g*H and its output is
// centred on c + latency. Its points read the input from c - a*N/2 to
// c + a*(N/2 - 1), plus the interpolation's reach, so it can be made once
// that much input arrived; the latency lets the widest grain (a = 2) be
// made before any output it touches is written.
#include "dsp/pitch_shift.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <new>
#include <utility>

namespace lomvex {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kGrainSeconds = 0.04;  // the shortest grain; N is the next power of two
constexpr int kOverlap = 8;             // grains covering each sample
constexpr int kZeroCrossings = 8;
constexpr double kWidestRatio = 2.0;  // a at +12 semitones

double& At(SampleWindow& w, int c, long long index) {
    return w.rows[c][index - w.first];
}

// Keeps the samples from `keepFrom` on at the front of the rows and zeroes
// the rest.
void Slide(SampleWindow& w, int channels, long long keepFrom) {
    if (keepFrom <= w.first) return;
    const int drop = static_cast<int>(std::min<long long>(keepFrom - w.first, w.size));
    for (int c = 0; c < channels; ++c) {
        double* row = w.rows[c].get();
        std::memmove(row, row + drop, (w.size - drop) * sizeof(double));
        std::fill(row + w.size - drop, row + w.size, 0.0);
    }
    w.first = keepFrom;
}

// Rows of `size` zeroes from absolute index `first`; false without memory.
bool MakeRows(SampleWindow& w, int channels, int size, long long first) {
    for (int c = 0; c < channels; ++c) {
        w.rows[c].reset(new (std::nothrow) double[size]());
        if (!w.rows[c]) return false;
    }
    w.size = size;
    w.first = first;
    return true;
}

int Reach(const PitchShiftState& s) {
    return SincReach(s.reader, s.ratio);
}

// The grain at nextGrain reads only input that arrived.
bool GrainReady(const PitchShiftState& s) {
    const double last = s.nextGrain + (s.n / 2 - 1) * s.ratio;
    return static_cast<long long>(std::floor(last)) + Reach(s) < s.inputCount;
}

// A shift of 0: the windowed input, which the overlapping grains add up to
// the input itself.
void AddUnshiftedGrain(PitchShiftState& s, long long start, long long outStart) {
    for (int c = 0; c < s.channels; ++c) {
        for (int k = 0; k < s.n; ++k) {
            const double w = s.window[k] * s.window[k] / s.overlapGain;
            At(s.sum, c, outStart + k) += w * At(s.input, c, start + k);
        }
    }
}

void AddShiftedGrain(PitchShiftState& s, long long outStart) {
    const int n = s.n;
    double* re = s.re.get();
    double* im = s.im.get();
    const double* rows[2] = {s.input.rows[0].get(), s.input.rows[1].get()};
    double* grain[2] = {re, im};
    const double start = s.nextGrain - s.ratio * (n / 2) - static_cast<double>(s.input.first);
    if (s.channels == 1) std::fill(im, im + n, 0.0);
    ReadSpaced(s.reader, rows, s.channels, start, s.ratio, n, grain);
    for (int k = 0; k < n; ++k) re[k] *= s.window[k], im[k] *= s.window[k];
    Fft(s.fft, re, im, kFftForward);
    LockPhases(s.phase, re, im, s.hop, s.ratio);
    Fft(s.fft, re, im, kFftInverse);
    for (int c = 0; c < s.channels; ++c) {
        const double* out = grain[c];
        for (int k = 0; k < n; ++k) {
            At(s.sum, c, outStart + k) += out[k] * s.window[k] / s.overlapGain;
        }
    }
    s.shiftedEnd = outStart + n;
}

void AddGrain(PitchShiftState& s) {
    const long long outStart = s.nextGrain + s.latency - s.n / 2;
    if (outStart + s.n > s.sum.first + s.sum.size) {
        Slide(s.sum, s.channels, s.outputCount);
    }
    if (s.ratio == 1.0) {
        AddUnshiftedGrain(s, s.nextGrain - s.n / 2, outStart);
        ResetLockedPhase(s.phase);
    } else {
        AddShiftedGrain(s, outStart);
    }
    s.nextGrain += s.hop;
}

// Appends `count` frames (at most chunk) to the input history.
void TakeInput(PitchShiftState& s, const double* const* in, int count) {
    if (s.inputCount + count > s.input.first + s.input.size) {
        const long long grainFrom = s.nextGrain - s.n - SincReach(s.reader, kWidestRatio);
        Slide(s.input, s.channels, std::min(s.outputCount - s.latency, grainFrom) - 1);
    }
    for (int c = 0; c < s.channels; ++c) {
        std::copy(in[c], in[c] + count, &At(s.input, c, s.inputCount));
    }
    s.inputCount += count;
}

// Writes the next `count` output frames: the sum of the grains, or the
// input delayed by the latency where no shifted grain reaches.
void GiveOutput(PitchShiftState& s, double* const* out, int count) {
    for (int c = 0; c < s.channels; ++c) {
        for (int k = 0; k < count; ++k) {
            const long long o = s.outputCount + k;
            out[c][k] = o >= s.shiftedEnd ? At(s.input, c, o - s.latency) : At(s.sum, c, o);
        }
    }
    s.outputCount += count;
}

}  // namespace

bool StartPitchShift(PitchShiftState& state, double sampleRate, int channels) {
    state = PitchShiftState{};
    if (channels != 1 && channels != 2) return false;
    int m = 8;
    while (Pow2(m) < kGrainSeconds * sampleRate && m < 16) ++m;
    const int n = Pow2(m);
    PitchShiftState s;
    s.n = n;
    s.hop = n / kOverlap;
    s.chunk = s.hop;
    s.window.reset(new (std::nothrow) double[n]);
    s.re.reset(new (std::nothrow) double[n]);
    s.im.reset(new (std::nothrow) double[n]);
    if (!s.window || !s.re || !s.im || !MakeFftTables(s.fft, m) ||
        !MakeSincReader(s.reader, kZeroCrossings) || !MakeLockedPhase(s.phase, n)) {
        return false;
    }
    for (int k = 0; k < n; ++k) s.window[k] = 0.5 - 0.5 * std::cos(2.0 * kPi * k / n);
    s.overlapGain = 3.0 * kOverlap / 8.0;  // sum of squared periodic Hann windows at hop N/8
    const int widestReach = SincReach(s.reader, kWidestRatio);
    s.latency = n / 2 + static_cast<int>(kWidestRatio * n / 2) + widestReach + 1;
    // The first grain that can reach input 0, on the grid of hops.
    s.nextGrain = -((n + widestReach) / s.hop + 1) * static_cast<long long>(s.hop);
    // Both windows hold twice what a step can need, so they slide seldom.
    const int span = 2 * n + 2 * widestReach + s.chunk + s.latency;
    if (!MakeRows(s.input, channels, 2 * span, s.nextGrain - n - widestReach - 1) ||
        !MakeRows(s.sum, channels, 2 * span, s.nextGrain + s.latency - n / 2)) {
        return false;
    }
    s.channels = channels;
    state = std::move(s);
    return true;
}

void SetPitchShift(PitchShiftState& state, double semitones) {
    const double s =
        std::round(std::clamp(semitones, kPitchShiftMin, kPitchShiftMax) * 10.0) / 10.0;
    state.ratio = s == 0.0 ? 1.0 : std::pow(2.0, s / 12.0);
}

int PitchShiftLatency(const PitchShiftState& state) {
    return state.latency;
}

void ShiftPitch(PitchShiftState& state, double* first, double* second, int count) {
    for (int done = 0; done < count;) {
        const int piece = std::min(state.chunk, count - done);
        double* rows[2] = {first + done, second ? second + done : nullptr};
        TakeInput(state, rows, piece);
        while (GrainReady(state)) AddGrain(state);
        GiveOutput(state, rows, piece);
        done += piece;
    }
}

void FlushPitchShift(PitchShiftState& state, double* first, double* second) {
    std::fill(first, first + state.latency, 0.0);
    if (second) std::fill(second, second + state.latency, 0.0);
    ShiftPitch(state, first, second, state.latency);
}

}  // namespace lomvex
