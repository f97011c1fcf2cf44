// The per-buffer processing chain shared by playback and saving: the
// channel operation, then the frame pipeline into a wave buffer.
#pragma once

#include <cstdint>

#include "dsp/frame_display.h"
#include "dsp/frame_pipeline.h"

namespace lomvex {

// The frame arrays and overlap state of every run.
extern PipelineState pipelineState;

// Processes `byteCount` bytes of the staging buffer (or, when decoding, of
// the decoder's output there) into wave buffer `target`, drawing into
// `display` as it goes; returns the output length in bytes.
uint32_t ProcessBuffer(FrameDisplay& display, int target, uint32_t byteCount, bool endOfData);

// Reads the nine parametric fields into the equalizer's band values (only
// in the parametric mode; at the start of every run).
void ReadParametricBands();

}  // namespace lomvex
