// A streaming stage (frame_stage.h) over a run's PCM buffers: conversion in
// steps of a block, the stage's lag dropped at the start of the run and its
// last frames given back at the end of the data.
//
// The processed sound keeps the timing of its source: the first Latency
// output frames are dropped, and the last Latency frames come back at the
// end of the data, appended to the last buffer as far as that buffer has
// room; TakePcmStageTail gives the rest. So a run that reaches the end of
// its data writes exactly as many frames as it read.
//
// Pairing: StartPcmStage at the start of every run (the stage was made, and
// allocated, just before), StopPcmStage at its end. Until started, and
// after a start without a stage, buffers pass untouched.
#pragma once

#include <cstdint>
#include <memory>

#include "dsp/frame_stage.h"

namespace lomvex {

struct PcmStage {
    std::unique_ptr<FrameStage> stage;  // null: buffers pass untouched
    int layout = 0;                     // layout code of the buffers (pcm_frames.h)
    std::unique_ptr<double[]> first;    // one step's frames, or the tail:
    std::unique_ptr<double[]> second;   //   max(block, Latency) each
    long long toDrop = 0;               // leading frames of lag still to drop
    bool flushed = false;               // the end of the data has been seen
    int tailFrames = 0;                 // flushed frames waiting in first/second
    int tailGiven = 0;                  // of them, already given
};

// Starts a run of buffers in `layout` through `stage`; a null stage leaves
// the buffers untouched and is no failure. Returns false, with no stage,
// when the memory cannot be had.
bool StartPcmStage(PcmStage& state, std::unique_ptr<FrameStage> stage, int layout);

// Ends the run: no stage, its memory freed.
void StopPcmStage(PcmStage& state);

// The buffers go through a stage.
bool PcmStageOn(const PcmStage& state);

// The stage's lag in bytes of the run's layout: the most its tail adds to a
// run's last buffer (0 without a stage).
uint32_t PcmStageTailBytes(const PcmStage& state);

// Processes the `byteCount` bytes at `pcm` in place; the output, moved to
// the front, may be shorter (the lag dropped at the start). With
// `endOfData` the tail follows it, as much as `capacity` bytes hold.
// Returns the output length in bytes; byteCount itself without a stage.
uint32_t ProcessPcmStage(PcmStage& state, uint8_t* pcm, uint32_t byteCount, uint32_t capacity,
                         bool endOfData);

// Writes the next part of the tail that did not fit, at most `capacity`
// bytes; returns its length, 0 once the tail is all given (or none is due).
uint32_t TakePcmStageTail(PcmStage& state, uint8_t* pcm, uint32_t capacity);

// The end of the data was seen and part of the tail is still to be taken
// (never without a stage).
bool PcmStageOwesTail(const PcmStage& state);

}  // namespace lomvex
