// What the engine draws while a play, monitor or save run goes on: the
// level meter, the elapsed time and the graph area.
#pragma once

#include <windows.h>

#include <cstdint>

#include "dsp/frame_display.h"

namespace lomvex {

// Clears the largest level and the overload count of the meter.
void ResetLevelMeter();
// Forgets the held peaks (a click in the meter, or Play).
void ResetHeldPeaks();
// The meter's first scan step for a run of this rate and channel count.
void SetInitialScanStep(uint32_t sampleRate, int channels);
// Meters `length` bytes of sound at `data` (nothing for null) and paints
// the meter, unless `paint` is false: a save shows only some of its
// buffers, but the held peaks and the run's largest level and overload
// count take in every one.
void DrawLevels(HDC dc, const uint8_t* data, uint32_t length, bool paint = true);
// Adapts the meter's scan step to the time a buffer took since `startTime`.
void AdaptScanStep(DWORD startTime);
// The warning of the largest level of the run; owned by the main window
// unless `withoutOwner`.
void ShowLevelWarning(bool withoutOwner);
// The status panel's elapsed time.
void DrawElapsedText(HDC dc);
// The graph area as the frame pipeline draws into it, over `dc`.
FrameDisplay& GraphDisplay(HDC dc);

}  // namespace lomvex
