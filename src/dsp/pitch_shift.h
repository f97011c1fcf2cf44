// Transposition and tempo: a streaming stage for one or two channels that
// moves the pitch from -12 to +12 semitones and plays the sound from 50 to
// 200 % as fast, each without the other.
//
// How: every grain of N points is read from the input around the grain's
// input position at a spacing of a = 2^(s/12) input samples (band-limited,
// see sinc_reader.h), so it sounds s semitones away and lasts N output
// samples. Grains follow each other every H output samples and every
// Ha = H * tempo / 100 input samples. They go through one phase vocoder
// whose phases are locked to the spectral peaks (locked_phase.h) and are
// added back together: the output is 100 / tempo times as long as the
// input, only the frequencies move by the shift.
//
// Stream contract:
//  - Samples are doubles in any scale (the frame pipeline's 16-bit units
//    work as they are); the first channel (left, or the only one) and the
//    second (right) are separate arrays, as in a frame pair.
//  - ShiftPitch takes a block of any length and writes the output frames
//    that are due: after input I in all, the output is the stretched sound
//    up to I * 100 / tempo, lagging by PitchShiftLatency frames, the same
//    for every shift and tempo and fixed from StartPitchShift on. The first
//    Latency output frames of a stream come before the input's start, and
//    FlushPitchShift writes what is left, Latency frames and the rounding.
//    A saved file drops the first Latency frames of the stream and appends
//    the flushed ones, and so is the source's length times 100 / tempo.
//    At a tempo of 100 the output frames equal the input frames in number.
//  - A shift of 0 at a tempo of 100 passes the input through unchanged
//    (only delayed); a shift or tempo set between blocks takes effect at
//    the next grain, and the overlapping grains cross-fade into it.
//  - Both channels are turned by the same phase rotations, taken from their
//    sum, so what lies in the centre stays in the centre.
#pragma once

#include <memory>

#include "base/settings_values.h"
#include "dsp/fft.h"
#include "dsp/locked_phase.h"
#include "dsp/onset_finder.h"
#include "dsp/onset_lock.h"
#include "dsp/sinc_reader.h"

namespace lomvex {

constexpr double kPitchShiftMin = -12.0;  // semitones
constexpr double kPitchShiftMax = 12.0;

// Samples of one stream from an absolute index on: the input history, or
// the grains being added up.
struct SampleWindow {
    long long first = 0;                // absolute index of rows[c][0]
    int size = 0;                       // samples in each row
    std::unique_ptr<double[]> rows[2];  // one per channel
};

// One stream's transposition and tempo. StartPitchShift makes it; the other calls
// only use what it made and allocate nothing.
struct PitchShiftState {
    int channels = 0;      // 1 or 2; 0 until started
    int n = 0;             // grain length N, a power of two (40 .. 80 ms)
    int hop = 0;           // H = N/8: frames between grains
    int latency = 0;       // output lag in frames, covering the widest grain at the slowest tempo
    int chunk = 0;         // most frames taken in one step of ShiftPitch
    double ratio = 1.0;    // a = 2^(s/12); exactly 1 for a shift of 0
    double stretch = 1.0;  // output frames per input frame: 100 / tempo
    double slowestTempo = kTempoMin;  // percent: the latency covers it

    FftTables fft;
    std::unique_ptr<double[]> window;  // periodic Hann, N points
    double overlapGain = 1.0;          // sum of the squared windows at any point
    SincReader reader;
    LockedPhase phase;
    FramePair grain;  // the grain: first channel in re, second in im (zero for mono)

    long long inputCount = 0;   // frames received since the start
    long long outputCount = 0;  // frames written since the start
    double nominalIn = 0;       // the next grain's input position on the tempo's line
    double nextIn = 0;          // where it reads: that, moved around an onset
    long long nextOut = 0;      // output index at the centre of the next grain
    double lastNominal = 0;     // the same of the grain before it, made or not
    double lastIn = 0;
    long long lastOut = 0;
    double lastStretch = 1.0;  // the stretch from the grain before to the next
    long long shiftedEnd = 0;  // output index up to which a shifted grain reaches
    SampleWindow input;        // history the grains and the delay line read
    SampleWindow sum;          // grains added up, from outputCount on
    OnsetFinder onsets;        // in the input, ahead of the grains
    OnsetLock lock;            // the onset whose grains are being placed
};

// Makes `state` for a stream of `channels` (1 or 2) at `sampleRate` Hz, with
// a shift of 0 and a tempo of 100, that will never be set slower than
// `slowestTempo` percent (50 .. 100: the latency covers that tempo, so a
// stream that keeps its tempo lags no more than a transposition needs);
// called again, it starts a new stream (a new play or save run). Returns
// false, leaving channels = 0, when the channel count is neither 1 nor 2 or
// the memory cannot be had.
bool StartPitchShift(PitchShiftState& state, double sampleRate, int channels,
                     double slowestTempo = kTempoMin);

// Sets the shift in semitones, held to -12 .. 12 and rounded to 0.1.
void SetPitchShift(PitchShiftState& state, double semitones);

// Sets the tempo in percent, held to the slowest tempo .. 200.
void SetTempo(PitchShiftState& state, double percent);

// The output lag in frames (see the stream contract above).
int PitchShiftLatency(const PitchShiftState& state);

// The most frames ShiftPitch writes for `count` input frames, and the most
// FlushPitchShift writes.
int PitchShiftMostOutput(const PitchShiftState& state, int count);
int PitchShiftMostFlush(const PitchShiftState& state);

// Takes `count` frames of `inFirst` (and `inSecond` for two channels; null
// for one) and writes the output due to `outFirst` (and `outSecond`), which
// hold PitchShiftMostOutput(count) frames; returns the frames written. The
// output arrays may be the input arrays while the tempo is 100, the output
// then never running ahead of the input; otherwise they must be apart.
int ShiftPitch(PitchShiftState& state, const double* inFirst, const double* inSecond, int count,
               double* outFirst, double* outSecond);

// Writes the rest of the stream into `first` (and `second`), which hold
// PitchShiftMostFlush frames, as if silence followed the input; returns the
// frames written.
int FlushPitchShift(PitchShiftState& state, double* first, double* second);

}  // namespace lomvex
