// Transposing a run's PCM buffers with the pitch shifter (pitch_shift.h):
// what "Keep tempo" puts between the frame pipeline and the sink of a play,
// monitor or save run.
//
// The shifted sound keeps the timing of its source: the shifter's lag is
// taken out by dropping its first Latency output frames, and its last
// Latency frames come back at the end of the data, appended to the last
// buffer as far as that buffer has room; TakePcmShiftTail gives the rest.
// So a run that reaches the end of its data writes exactly as many frames as
// it read.
//
// Pairing: StartPcmPitchShift at the start of every run (it allocates;
// nothing else does), StopPcmPitchShift at its end. Until started, and after
// a start with a shift of 0, buffers pass untouched.
#pragma once

#include <cstdint>
#include <memory>

#include "dsp/pitch_shift.h"

namespace lomvex {

struct PcmPitchShift {
    bool on = false;  // false: buffers pass untouched
    int layout = 0;   // layout code of the buffers (pcm_frames.h)
    PitchShiftState shifter;
    int block = 0;                     // frames converted in one step
    std::unique_ptr<double[]> first;   // one step's frames, or the tail:
    std::unique_ptr<double[]> second;  //   max(block, Latency) each
    long long toDrop = 0;              // leading frames of lag still to drop
    int tailFrames = 0;                // flushed frames waiting in first/second
    int tailGiven = 0;                 // of them, already given
};

// Starts a run of buffers in `layout` at `sampleRate` Hz, shifted by
// `semitones` (-12 .. 12). A shift of 0 leaves the shifter off and is no
// failure. Returns false, with the shifter off, when the memory cannot be had.
bool StartPcmPitchShift(PcmPitchShift& state, double semitones, int layout, double sampleRate);

// Ends the run: the shifter is off and its memory freed.
void StopPcmPitchShift(PcmPitchShift& state);

// Shifts the `byteCount` bytes at `pcm` in place; the output, moved to the
// front, may be shorter (the lag dropped at the start). With `endOfData`
// the tail follows it, as much as `capacity` bytes hold. Returns the
// output length in bytes; byteCount itself while the shifter is off.
uint32_t ShiftPcmPitch(PcmPitchShift& state, uint8_t* pcm, uint32_t byteCount, uint32_t capacity,
                       bool endOfData);

// Writes the next part of the tail that did not fit, at most `capacity`
// bytes; returns its length, 0 once the tail is all given (or none is due).
uint32_t TakePcmShiftTail(PcmPitchShift& state, uint8_t* pcm, uint32_t capacity);

}  // namespace lomvex
