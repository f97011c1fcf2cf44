// A streaming stage (frame_stage.h) over a run's PCM buffers: conversion in
// steps of a block, the stage's lag dropped at the start of the run and its
// last frames given at the end of the data.
//
// The processed sound keeps the timing of its source: the first Latency
// output frames are dropped, and what Flush writes comes at the end of the
// data. A buffer gets as much of the output as its room holds; the rest
// waits for the next buffer (a slower tempo makes more frames than came
// in), and at the end TakePcmStageTail gives what did not fit. So a run
// that reaches the end of its data writes exactly what the stage made: as
// many frames as it read, or that times 100 / tempo.
//
// Pairing: StartPcmStage at the start of every run (the stage was made, and
// allocated, just before), StopPcmStage at its end. Until started, and
// after a start without a stage, buffers pass untouched.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "dsp/frame_stage.h"

namespace lomvex {

struct PcmStage {
    std::unique_ptr<FrameStage> stage;  // null: buffers pass untouched
    int layout = 0;                     // layout code of the buffers (pcm_frames.h)
    std::unique_ptr<double[]> first;    // one block of input
    std::unique_ptr<double[]> second;
    std::unique_ptr<double[]> outFirst;  // what one block or the flush writes
    std::unique_ptr<double[]> outSecond;
    std::vector<double> waiting[2];  // output frames not yet given, per channel
    long long toDrop = 0;            // leading frames of lag still to drop
    bool flushed = false;            // the end of the data has been seen
};

// Starts a run of buffers in `layout` through `stage`; a null stage leaves
// the buffers untouched and is no failure. Returns false, with no stage,
// when the memory cannot be had.
bool StartPcmStage(PcmStage& state, std::unique_ptr<FrameStage> stage, int layout);

// Ends the run: no stage, its memory freed.
void StopPcmStage(PcmStage& state);

// The buffers go through a stage.
bool PcmStageOn(const PcmStage& state);

// The stage's lag in bytes of the run's layout: the most its flush adds to a
// run's last buffer when the stage keeps the length (0 without a stage).
uint32_t PcmStageTailBytes(const PcmStage& state);

// The stage's tempo from the next buffer on (see FrameStage::SetTempo).
void SetPcmStageTempo(PcmStage& state, double percent);

// Processes the `byteCount` bytes at `pcm` in place; the output, at most
// `capacity` bytes, may be shorter or longer than the input. With
// `endOfData` the stage's flush follows it. Returns the output length in
// bytes; byteCount itself without a stage.
uint32_t ProcessPcmStage(PcmStage& state, uint8_t* pcm, uint32_t byteCount, uint32_t capacity,
                         bool endOfData);

// Writes the next part of the output that did not fit after the end of the
// data, at most `capacity` bytes; returns its length, 0 once all is given
// (or the end was not reached).
uint32_t TakePcmStageTail(PcmStage& state, uint8_t* pcm, uint32_t capacity);

// The end of the data was seen and part of the output is still to be taken
// (never without a stage).
bool PcmStageOwesTail(const PcmStage& state);

}  // namespace lomvex
