// The per-buffer processing chain shared by playback and saving: the
// channel operation, then the frame pipeline into a wave buffer, then, with
// "Keep tempo", the transposition.
#pragma once

#include <cstdint>

#include "dsp/frame_display.h"
#include "dsp/frame_pipeline.h"

namespace lomvex {

// The frame arrays and overlap state of every run.
extern PipelineState pipelineState;

// Which wave buffers one processing step uses: the sound to process, where
// the channel operation may write, and where the output goes.
struct BufferRoles {
    int source;
    int channel;
    int target;
};

// Playing and saving: the staging buffer (the PCM read, or the decoder's
// output) into wave buffer `target`.
BufferRoles PlayRoles(int target);

// Processes `byteCount` bytes of sound through the channel operation and
// the frame pipeline, drawing into `display` as it goes; returns the output
// length in bytes.
uint32_t ProcessBuffer(FrameDisplay& display, const BufferRoles& roles, uint32_t byteCount,
                       bool endOfData);

// "Keep tempo": the playing rate as a transposition of what the frame
// pipeline puts out, in every run that processes its sound (see
// dsp/pcm_pitch_shift.h for how the run keeps its length).
//
// StartPitchShiftRun: at a run's start, once its buffers are made and
// `run.playing` tells whether a device runs; it takes the layout and rate
// of the pipeline's output. Off, and no failure, unless the tempo is kept
// at a rate other than 0 and the sound can be processed. False after the
// memory message (the caller ends the run).
bool StartPitchShiftRun();
// Transposes the `byteCount` bytes the pipeline wrote to `buffer` (which
// holds `capacity`) in place; returns the length to play or write.
// ProcessBuffer calls it; a run that processes its buffers otherwise calls
// it on each of them.
uint32_t ShiftRunPitch(uint8_t* buffer, uint32_t byteCount, uint32_t capacity, bool endOfData);
// After the buffer with the end of the data: the next piece of the
// transposition's last frames that did not fit into it (0 when none is left).
uint32_t TakeShiftedTail(uint8_t* buffer, uint32_t capacity);
// At the end of every run (EndRun): off, its memory freed.
void StopPitchShiftRun();

// Reads the nine parametric fields into the equalizer's band values (only
// in the parametric mode; at the start of every run).
void ReadParametricBands();

}  // namespace lomvex
