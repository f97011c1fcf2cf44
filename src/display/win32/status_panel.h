// What the main window draws of the displays outside the buffer cycle: the
// status panel and the channel labels when it paints, and the format of a
// file or the monitor when it is opened. (The painters the engine calls
// per buffer are in run_display.h.)
#pragma once

#include <windows.h>

#include <cstdint>

namespace lomvex {

// The rate and sample-size (or data-rate) texts of the status panel. The
// painters draw in the context's current colours and font.
void DrawRateText(HDC dc);
// The length text of the status panel.
void DrawLengthText(HDC dc);
// The channel labels beside the meter bars ("  LEFT  ", "  RIGHT   " or
// "Monaural"); nothing while no file or monitor is open.
void DrawChannelLabels(HDC dc);

// After the format state of a newly opened file or monitor is recorded:
// blacks out the meter, draws the rate, size and elapsed texts on the main
// window. (The shell relabels the equalizer bars.)
void PaintFormat();
// Right after PaintFormat: keeps `dataSize` (the bytes of sound in the open
// file) for later paints, draws the length text and the channel labels.
void ShowLength(uint32_t dataSize);

}  // namespace lomvex
