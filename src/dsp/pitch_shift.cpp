// The stream around the grains: input history, grain schedule, the sum of
// the grains and the delay line that a shift of 0 at a tempo of 100 reads.
//
// Time line: grain g is centred on output index g*H + latency (plus a
// constant) and on an input position that advances by H / stretch from one
// grain to the next. Its points read the input from centre - a*N/2 to
// centre + a*(N/2 - 1), plus the interpolation's reach, so it can be made
// once that much input arrived. Output is due along the same line: after
// input I, up to the last grain's output index plus (I - its input
// position) * stretch, less the latency; the latency lets the widest grain
// (a = 2) at the slowest tempo (stretch 2) be made before any output it
// touches is due. While the stretch has been 1 all along, input position
// and output index differ by exactly the latency (the identity), and a
// shift of 0 reads the input as it is.
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

// Output frames per input frame at the slowest tempo the stream may take.
double MostStretch(const PitchShiftState& s) {
    return 100.0 / s.slowestTempo;
}

// Input positions still sit the latency before their output indices.
bool Identity(const PitchShiftState& s) {
    return s.stretch == 1.0 && s.lastStretch == 1.0 &&
           s.nextIn == static_cast<double>(s.nextOut - s.latency);
}

// Where the next grain reads: the tempo's line, moved around the onset
// being locked; once a lock has passed, the next onset's is planned.
void PlaceNextGrain(PitchShiftState& s) {
    // At the song's own tempo the grains advance alike through input and
    // output, and an onset is only spread by the transposition's (1 - 1/a).
    if (OnsetLockPassed(s.lock, s.nextOut) && s.stretch != 1.0) {
        s.lock.on = false;
        long long onset = 0;
        while (NextOnset(s.onsets, static_cast<long long>(std::floor(s.nominalIn)), onset)) {
            TakeOnset(s.onsets);
            if (PlanOnsetLock(s.lock, static_cast<double>(onset), s.nextOut, s.nominalIn, s.stretch,
                              s.ratio, s.n))
                break;
        }
    }
    s.nextIn = s.nominalIn + OnsetDeviation(s.lock, s.nextOut);
}

// The onsets that the next grain's placing depends on are found, and the
// grain reads only input that arrived.
bool GrainReady(PitchShiftState& s) {
    const double horizon = s.nominalIn + (OnsetLockReach(s.n) + 2 * s.hop) / s.stretch;
    if (s.slowestTempo < 100.0 && static_cast<double>(OnsetsSeenUpTo(s.onsets)) <= horizon)
        return false;
    PlaceNextGrain(s);
    const double last = s.nextIn + (s.n / 2 - 1) * s.ratio;
    return static_cast<long long>(std::floor(last)) + Reach(s) < s.inputCount;
}

// The output index up to which output is due after the input so far.
long long DueOutput(const PitchShiftState& s) {
    const double along = (static_cast<double>(s.inputCount) - s.lastNominal) * s.lastStretch;
    return s.lastOut - s.latency + static_cast<long long>(std::floor(along));
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

void AddShiftedGrain(PitchShiftState& s, long long outStart, double inputHop) {
    const int n = s.n;
    double* re = s.grain.re;
    double* im = s.grain.im;
    // The rows are read from the whole sample before the grain's first
    // point, so that the points' positions do not depend on where the
    // history window begins (which depends on the block sizes).
    const double start = s.nextIn - s.ratio * (n / 2);
    const double whole = std::floor(start);
    const long long base = static_cast<long long>(whole) - s.input.first;
    const double* rows[2] = {s.input.rows[0].get() + base,
                             s.channels == 2 ? s.input.rows[1].get() + base : nullptr};
    double* grain[2] = {re, im};
    if (s.channels == 1) std::fill(im, im + n, 0.0);
    ReadSpaced(s.reader, rows, s.channels, start - whole, s.ratio, n, grain);
    for (int k = 0; k < n; ++k) re[k] *= s.window[k], im[k] *= s.window[k];
    Fft(s.fft, re, im, kFftForward);
    LockPhases(s.phase, re, im, inputHop / s.ratio, s.ratio * s.hop / inputHop);
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
    const long long outStart = s.nextOut - s.n / 2;
    if (outStart + s.n > s.sum.first + s.sum.size) {
        Slide(s.sum, s.channels, s.outputCount);
    }
    if (s.ratio == 1.0 && Identity(s)) {
        AddUnshiftedGrain(s, s.nextOut - s.latency - s.n / 2, outStart);
        ResetLockedPhase(s.phase);
    } else {
        AddShiftedGrain(s, outStart, s.nextIn - s.lastIn);
    }
    s.lastIn = s.nextIn;
    s.lastNominal = s.nominalIn;
    s.lastOut = s.nextOut;
    s.lastStretch = s.stretch;
    s.nominalIn += s.hop / s.stretch;
    s.nextOut += s.hop;
    s.nextIn = s.nominalIn + OnsetDeviation(s.lock, s.nextOut);
}

// Appends `count` frames (at most chunk) to the input history.
void TakeInput(PitchShiftState& s, const double* const* in, int count) {
    if (s.inputCount + count > s.input.first + s.input.size) {
        long long keepFrom = static_cast<long long>(std::floor(s.lastIn)) - s.n -
                             SincReach(s.reader, kWidestRatio) - 1;
        if (Identity(s)) keepFrom = std::min(keepFrom, s.outputCount - s.latency - 1);
        Slide(s.input, s.channels, keepFrom);
    }
    for (int c = 0; c < s.channels; ++c) {
        std::copy(in[c], in[c] + count, &At(s.input, c, s.inputCount));
    }
    FindOnsets(s.onsets, in[0], s.channels == 2 ? in[1] : nullptr, count);
    s.inputCount += count;
}

// Writes the output up to index `due` that the grains made so far complete:
// the sum of the grains, or the input delayed by the latency where no
// shifted grain reaches; returns the frames written.
int GiveOutput(PitchShiftState& s, double* const* out, long long due) {
    const long long complete = s.ratio == 1.0 && Identity(s) ? due : s.nextOut - s.n / 2;
    const int count = static_cast<int>(std::max(0LL, std::min(due, complete) - s.outputCount));
    for (int c = 0; c < s.channels; ++c) {
        for (int k = 0; k < count; ++k) {
            const long long o = s.outputCount + k;
            out[c][k] = o >= s.shiftedEnd ? At(s.input, c, o - s.latency) : At(s.sum, c, o);
        }
    }
    s.outputCount += count;
    return count;
}

// Before any input: the grains' input positions along the line on which
// input 0 meets output index `latency` at the current stretch.
void PlaceFirstGrain(PitchShiftState& s) {
    s.nominalIn = s.nextIn = static_cast<double>(s.nextOut - s.latency) / s.stretch;
    s.lastOut = s.nextOut - s.hop;
    s.lastNominal = s.lastIn = static_cast<double>(s.lastOut - s.latency) / s.stretch;
    s.lastStretch = s.stretch;
}

}  // namespace

bool StartPitchShift(PitchShiftState& state, double sampleRate, int channels, double slowestTempo) {
    state = PitchShiftState{};
    if (channels != 1 && channels != 2) return false;
    int m = 8;
    while (Pow2(m) < kGrainSeconds * sampleRate && m < 16) ++m;
    const int n = Pow2(m);
    PitchShiftState s;
    s.n = n;
    s.hop = n / kOverlap;
    s.chunk = s.hop;
    s.slowestTempo = std::clamp(slowestTempo, double{kTempoMin}, 100.0);
    s.window.reset(new (std::nothrow) double[n]);
    if (!s.window || !MakeFramePair(s.grain, n) || !MakeFftTables(s.fft, m) ||
        !MakeSincReader(s.reader, kZeroCrossings) || !MakeLockedPhase(s.phase, n)) {
        return false;
    }
    for (int k = 0; k < n; ++k) s.window[k] = 0.5 - 0.5 * std::cos(2.0 * kPi * k / n);
    s.overlapGain = 3.0 * kOverlap / 8.0;  // sum of squared periodic Hann windows at hop N/8
    const int widestReach = SincReach(s.reader, kWidestRatio);
    // The latency covers the input the next grain waits for, at the slowest
    // tempo: its widest reading (moved by an onset lock at most 0.6 of a
    // ramp, at that tempo's rate), or the onsets as far as a lock reaches.
    // A stream that never goes slower than 100 % locks no onsets.
    const double most = MostStretch(s);
    const bool locks = most > 1.0;
    const int ramp = OnsetLockReach(n) - n / 2;
    const double widest = most * (kWidestRatio * n / 2 + widestReach) + (locks ? 0.6 * ramp : 0.0);
    const double onsets = locks ? OnsetLockReach(n) + 2 * s.hop + most * (n / 16 + 1) : 0.0;
    s.latency =
        n / 2 + static_cast<int>(std::ceil(std::max(widest, onsets) + most * (s.chunk + 1)));
    StartOnsetFinder(s.onsets, n / 16);
    // The first grain covers output index 0, on the grid of hops; its input
    // position follows the tempo (see SetTempo), at most twice as early.
    const long long firstIn = -((s.latency - n / 2) / s.hop + 1) * static_cast<long long>(s.hop);
    s.nextOut = firstIn + s.latency;
    PlaceFirstGrain(s);
    // Both windows hold twice what a step can need, so they slide seldom.
    const int span = 2 * n + 2 * widestReach + static_cast<int>(most * s.chunk) + 4 * s.latency;
    if (!MakeRows(s.input, channels, 2 * span, 2 * firstIn - n - widestReach - 1) ||
        !MakeRows(s.sum, channels, 2 * span, s.nextOut - n / 2)) {
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

void SetTempo(PitchShiftState& state, double percent) {
    state.stretch = 100.0 / std::clamp(percent, state.slowestTempo, double{kTempoMax});
    if (state.inputCount == 0) PlaceFirstGrain(state);
}

int PitchShiftLatency(const PitchShiftState& state) {
    return state.latency;
}

int PitchShiftMostOutput(const PitchShiftState& state, int count) {
    // What is due grows by the stretch per frame; a grain made late (after
    // a change of tempo or shift) can add up to a latency more.
    return static_cast<int>(std::ceil(MostStretch(state) * count)) + state.latency + state.hop + 1;
}

int PitchShiftMostFlush(const PitchShiftState& state) {
    return PitchShiftMostOutput(state, 0) + state.latency;
}

int ShiftPitch(PitchShiftState& state, const double* inFirst, const double* inSecond, int count,
               double* outFirst, double* outSecond) {
    int written = 0;
    for (int done = 0; done < count;) {
        const int piece = std::min(state.chunk, count - done);
        const double* in[2] = {inFirst + done, inSecond ? inSecond + done : nullptr};
        TakeInput(state, in, piece);
        while (GrainReady(state)) AddGrain(state);
        double* out[2] = {outFirst + written, outSecond ? outSecond + written : nullptr};
        written += GiveOutput(state, out, DueOutput(state));
        done += piece;
    }
    return written;
}

int FlushPitchShift(PitchShiftState& state, double* first, double* second) {
    // Everything due at the end of the input, and the latency after it.
    const long long end = DueOutput(state) + state.latency;
    const double silence[kOverlap * 64] = {};
    int written = 0;
    while (state.outputCount < end) {
        const int piece = std::min<int>(state.chunk, kOverlap * 64);
        const double* in[2] = {silence, silence};
        TakeInput(state, in, piece);
        while (GrainReady(state)) AddGrain(state);
        double* out[2] = {first + written, second ? second + written : nullptr};
        written += GiveOutput(state, out, end);
    }
    return written;
}

}  // namespace lomvex
