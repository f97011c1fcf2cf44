// Pieces the two frame paths share: the unprocessable pass-through, the
// display scratch and the fatal "nomem" box.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "dsp/frame_pipeline.h"

namespace lomvex {

// Shows "nomem" (or its Japanese text) and ends the process.
[[noreturn]] void FailNoMemory();

// Draws the not-PCM text in the graph area and copies `byteCount` bytes.
void PassThroughUnprocessed(FrameDisplay& display, const PipelineInputs& in, const uint8_t* source,
                            uint8_t* out, uint32_t byteCount);

// Byte scratch handed to the display routines for one call.
struct DisplayScratch {
    std::unique_ptr<uint8_t[]> bytes;
    size_t size = 0;
};

// At least max(8 * deltatime, 512, n, minimum) bytes; "nomem" when it cannot
// be had.
DisplayScratch AllocDisplayScratch(const PipelineInputs& in, int n, size_t minimum);

// Zeroes count doubles from `first`.
void ZeroDoubles(double* first, int count);

}  // namespace lomvex
