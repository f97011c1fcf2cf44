// Pieces the two frame paths share: the unprocessable pass-through, the
// display scratch and the fatal "nomem" box.
#pragma once

#include <cstddef>
#include <cstdint>

#include "dsp/frame_pipeline.h"

namespace lomvex {

// Shows "nomem" (or its Japanese text) and ends the process.
[[noreturn]] void FailNoMemory();

// Draws the not-PCM text in the graph area and copies `byteCount` bytes.
void PassThroughUnprocessed(FrameDisplay& display, const PipelineInputs& in, const uint8_t* source,
                            uint8_t* out, uint32_t byteCount);

// Byte scratch handed to the display routines for one call: `size` bytes at
// `bytes`, owned by the pipeline state.
struct DisplayScratch {
    uint8_t* bytes = nullptr;
    size_t size = 0;
};

// Scratch of max(8 * deltatime, 512, N, minimum) bytes for this call, from
// the state's display scratch, which is reallocated (zeroed) only when it
// holds fewer bytes; "nomem" when that cannot be had. The bytes are scratch:
// the display routines write every row before they draw it, so what one call
// leaves there never shows in the next.
DisplayScratch TakeDisplayScratch(PipelineState& state, const PipelineInputs& in, size_t minimum);

// Zeroes count doubles from `first`.
void ZeroDoubles(double* first, int count);

}  // namespace lomvex
