// What the frame pipeline draws while it works. The graph area implements
// this interface (over the window's display context); tests record the calls.
#pragma once

#include <cstdint>

#include "resources/ids.h"

namespace lomvex {

// View items of the View menu that the pipeline tells apart.
constexpr int kViewWaveform = 197;
constexpr int kViewOctaveBars = 198;
constexpr int kViewSpectrum = 199;
static_assert(kViewWaveform == IDM_VIEW_WAVE && kViewOctaveBars == IDM_VIEW_LEVEL &&
              kViewSpectrum == IDM_VIEW_SPECTRUM);

class FrameDisplay {
   public:
    virtual ~FrameDisplay() = default;
    // A time-domain frame of `n` doubles (first or only channel) before its
    // forward transform; `label` is "wav" (block path) or "src" (overlap path).
    // `rows` is scratch of at least `n` bytes.
    virtual void DrawFrameWave(int n, uint8_t* rows, const double* samples, const char* label) = 0;
    // The spectrum of a buffer's first frame after the forward transform
    // (scaled by 1/n) and the equalizer. `rows` holds at least n/2 bytes.
    virtual void DrawSpectrum(int n, uint8_t* rows, const double* re, const double* im) = 0;
    // The output waveform of a whole buffer: rows[0..count), 50 = silence.
    virtual void DrawOutputWave(uint8_t* rows, int count) = 0;
    // A text at pixel (x, y) of the main window in the graph colours.
    // (Not DrawText: the Win32 headers define that name as a macro.)
    virtual void DrawGraphText(int x, int y, const char* text) = 0;
};

// Draws nothing: for runs without a display.
class NullFrameDisplay : public FrameDisplay {
   public:
    void DrawFrameWave(int, uint8_t*, const double*, const char*) override {}
    void DrawSpectrum(int, uint8_t*, const double*, const double*) override {}
    void DrawOutputWave(uint8_t*, int) override {}
    void DrawGraphText(int, int, const char*) override {}
};

}  // namespace lomvex
