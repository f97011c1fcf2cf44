// The per-buffer processing chain shared by playback and saving: the
// channel operation, then the frame pipeline into a wave buffer.
#pragma once

#include <windows.h>

#include <cstdint>

namespace lomvex {

// Processes `byteCount` bytes of the staging buffer (or, when decoding, of
// the decoder's output there) into wave buffer `target`; returns the output
// length in bytes.
uint32_t ProcessBuffer(HDC dc, int target, uint32_t byteCount, bool endOfData);

// The start of a play or save run, once the device or the output file is
// open: frees the format record, greys the idle controls, allocates the six
// wave buffers and points the decoder at them. False after the buffers'
// failure message; the caller then undoes what it opened.
bool PrepareRunBuffers();

// Reads the nine parametric fields into the equalizer's band values (only
// in the parametric mode; at the start of every run).
void ReadParametricBands();

// The channel operation chosen in the control panel (511 .. 514).
int CurrentChannelOperation();

}  // namespace lomvex
