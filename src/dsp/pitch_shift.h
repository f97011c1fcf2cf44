// Transposition without a change of tempo: a streaming pitch shifter for one
// or two channels, from -12 to +12 semitones.
//
// How: every hop of H sample frames a grain of N points is read from the
// input around the hop's position at a spacing of a = 2^(s/12) input samples
// (band-limited, see sinc_reader.h), so the grain sounds s semitones away
// and still lasts N output samples. The grains go through a phase vocoder
// whose phases are locked to the spectral peaks (locked_phase.h) and are
// added back together at the same hop: the output keeps the input's timing
// and length, only the frequencies move.
//
// Stream contract:
//  - Samples are doubles in any scale (the frame pipeline's 16-bit units
//    work as they are); the first channel (left, or the only one) and the
//    second (right) are separate arrays, as in a frame pair.
//  - ShiftPitch processes a block of any length in place and writes exactly
//    as many frames as it got. The output lags the input by
//    PitchShiftLatency frames, the same for every shift and fixed from
//    StartPitchShift on: the first Latency output frames of a stream come
//    before the input's start (silence, or the fade-in of the first
//    grains), and FlushPitchShift writes the last Latency frames. A saved
//    file drops the first Latency frames of the stream and appends the
//    flushed ones, and so is exactly as long as its source.
//  - A shift of 0 passes the input through unchanged (only delayed); a
//    shift set between blocks takes effect at the next grain, and the
//    overlapping grains cross-fade from the old shift to the new one.
//  - Both channels are turned by the same phase rotations, taken from their
//    sum, so what lies in the centre stays in the centre.
#pragma once

#include <memory>

#include "dsp/fft.h"
#include "dsp/locked_phase.h"
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

// One stream's pitch shifter. StartPitchShift makes it; the other calls
// only use what it made and allocate nothing.
struct PitchShiftState {
    int channels = 0;    // 1 or 2; 0 until started
    int n = 0;           // grain length N, a power of two (40 .. 80 ms)
    int hop = 0;         // H = N/8: frames between grains
    int latency = 0;     // output lag in frames, covering the widest grain
    int chunk = 0;       // most frames taken in one step of ShiftPitch
    double ratio = 1.0;  // a = 2^(s/12); exactly 1 for a shift of 0

    FftTables fft;
    std::unique_ptr<double[]> window;  // periodic Hann, N points
    double overlapGain = 1.0;          // sum of the squared windows at any point
    SincReader reader;
    LockedPhase phase;
    std::unique_ptr<double[]> re;  // the grain: first channel
    std::unique_ptr<double[]> im;  //            second channel (zero for mono)

    long long inputCount = 0;   // frames received since the start
    long long outputCount = 0;  // frames written since the start
    long long nextGrain = 0;    // input position at the centre of the next grain
    long long shiftedEnd = 0;   // output index up to which a shifted grain reaches
    SampleWindow input;         // history the grains and the delay line read
    SampleWindow sum;           // grains added up, from outputCount on
};

// Makes `state` for a stream of `channels` (1 or 2) at `sampleRate` Hz, with
// a shift of 0; called again, it starts a new stream (a new play or save
// run). Returns false, leaving channels = 0, when the channel count is
// neither 1 nor 2 or the memory cannot be had.
bool StartPitchShift(PitchShiftState& state, double sampleRate, int channels);

// Sets the shift in semitones, held to -12 .. 12 and rounded to 0.1.
void SetPitchShift(PitchShiftState& state, double semitones);

// The output lag in frames (see the stream contract above).
int PitchShiftLatency(const PitchShiftState& state);

// Shifts `count` frames of `first` (and of `second` for two channels; null
// for one) in place.
void ShiftPitch(PitchShiftState& state, double* first, double* second, int count);

// Writes the stream's last PitchShiftLatency frames into `first` (and
// `second`), as if that much silence followed the input.
void FlushPitchShift(PitchShiftState& state, double* first, double* second);

}  // namespace lomvex
