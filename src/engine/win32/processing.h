// The per-buffer processing chain of every run (play, monitor, save), in
// one place: the channel operation, or with "Keep stereo" the voice
// removal stage in its place; the frame pipeline into a wave buffer; then,
// with "Keep tempo" or a tempo, the transposition and tempo.
//
// The stages hold sound from buffer to buffer and keep the run's length
// (times 100 / tempo): their lag is dropped at the start, and at the end of
// the data their last frames follow the last buffer (see dsp/pcm_stage.h). What the last buffer
// has no room for, a run that needs every frame (a save) takes with
// TakeRunTail.
#pragma once

#include <cstdint>

#include "dsp/frame_display.h"
#include "dsp/frame_pipeline.h"

namespace lomvex {

// The frame arrays and overlap state of every run.
extern PipelineState pipelineState;

// Which wave buffers one processing step uses: the sound to process, where
// the channel operation (or the voice removal) writes, and where the
// output goes.
struct BufferRoles {
    int source;
    int channel;
    int target;
};

// Playing and saving: the staging buffer (the PCM read, or the decoder's
// output) into wave buffer `target`.
BufferRoles PlayRoles(int target);

// What a run does: a device plays a file, a device plays the live input,
// or a file is written.
enum class RunKind { Play, Monitor, Save };

// The run's stages, started at its start before its buffers are made (a
// device that runs keeps both channels); they take the layout and rate of
// the sound they get. Each one is off, and no failure, unless its setting
// asks for it and the sound can be processed; a file being played always
// has the transposition and tempo, so that a tempo set while it plays is
// heard. False after the memory message (the caller ends the run).
bool StartRunStages(RunKind kind);

// The tempo in percent the run plays at now: the setting's, 100 for the
// live input (which cannot be played ahead of its arrival).
double RunTempo();
// The bytes each wave buffer needs beyond its content so that the last one
// holds what the stages before the frame pipeline give back at the end.
uint32_t RunStagesRoom();
// At the end of every run (EndRun): every stage off, its memory freed.
void StopRunStages();

// Processes `byteCount` bytes of sound through the chain, drawing into
// `display` as it goes; returns the output length in bytes.
uint32_t ProcessBuffer(FrameDisplay& display, const BufferRoles& roles, uint32_t byteCount,
                       bool endOfData);

// After the buffer with the end of the data: the next piece of the stages'
// last frames that did not fit into it, through the rest of the chain into
// wave buffer `roles.target`; 0 when none is left.
uint32_t TakeRunTail(FrameDisplay& display, const BufferRoles& roles);

// The end of the data was processed and the stages still owe sound.
bool RunOwesSound();

// The channel operation the chain applies to the current sound: the
// control panel's, or "nothing" where the voice removal stands in for it.
int RunChannelOperation();
// The chain's output layout for the current sound and settings.
int RunOutputLayout(bool devicePlays);

// Reads the nine parametric fields into the equalizer's band values (only
// in the parametric mode; at the start of every run).
void ReadParametricBands();

}  // namespace lomvex
