// The per-buffer processing chain shared by playback and saving: the
// channel operation, then the frame pipeline into a wave buffer.
#pragma once

#include <windows.h>

#include <cstdint>

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
// the frame pipeline; returns the output length in bytes.
uint32_t ProcessBuffer(HDC dc, const BufferRoles& roles, uint32_t byteCount, bool endOfData);

// Reads the nine parametric fields into the equalizer's band values (only
// in the parametric mode; at the start of every run).
void ReadParametricBands();

}  // namespace lomvex
