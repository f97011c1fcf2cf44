// The graph area: 256 × 100 pixels at (unitX, 17·unitY) that show, while
// sound is processed, octave-band bars (view 198), a spectrum on a
// logarithmic frequency axis (199) or the waveform (197).
//
// Every view draws from display rows, one byte per point: row v is pixel
// row 17·unitY + v, 0 the top of the area and 100 its bottom edge. Spectrum
// rows grow downward with falling level (0 = loudest); rows of 100 and more
// lie outside the area.
#pragma once

#include <cstdint>

#include "display/draw_list.h"
#include "dsp/frame_display.h"

namespace lomvex {

constexpr int kGraphWidth = 256;
constexpr int kGraphHeight = 100;

// Everything the graph reads from the settings, the shell and the format.
struct GraphInputs {
    int unitX = 0;
    int unitY = 0;
    bool dark = false;    // white on black instead of black on white
    bool decibel = true;  // setting `display`
    int fftparam = 8;
    int viewItem = kViewOctaveBars;
    bool sixteenBit = true;
    unsigned rateKhz = 0;
    uint16_t tag = 1;
    uint32_t deltatime = 4096;
};

// The texts the two trace views wrote below the area ("%d msec"); the
// length of the one still shown, 0 when none.
struct GraphState {
    int msecTextLength[2] = {};  // frame view, output view
};

extern GraphState graphState;

enum TraceView { kFrameTrace = 0, kOutputTrace = 1 };

// Display rows of bins 0 .. n/2 - 1 from the power re² + im² of each bin.
void SpectrumRows(int n, uint8_t* rows, const double* re, const double* im, bool sixteenBit,
                  bool decibel);

void DrawOctaveBars(DrawList& out, const GraphInputs& in, const uint8_t* rows, int binCount);
void DrawLogSpectrum(DrawList& out, const GraphInputs& in, const uint8_t* rows, int binCount);

// Rows of a waveform: silence at 50, full scale 0 .. 100.
void WaveRows(const double* samples, int count, bool sixteenBit, uint8_t* rows);

// The waveform trace of `count` rows over a span of `spanBase` points
// (widened by doubling when the points do not fit).
void DrawTrace(DrawList& out, const GraphInputs& in, int& msecTextLength, const uint8_t* rows,
               int count, uint32_t spanBase);

// The graph area as the frame pipeline sees it: each call computes its
// drawing into a list and hands it to Paint. `inputs` is set by the owner
// before the pipeline runs.
class GraphView : public FrameDisplay {
   public:
    GraphInputs inputs;

    void DrawFrameWave(int n, uint8_t* rows, const double* samples, const char* label) override;
    void DrawSpectrum(int n, uint8_t* rows, const double* re, const double* im) override;
    void DrawOutputWave(uint8_t* rows, int count) override;
    void DrawGraphText(int x, int y, const char* text) override;

   protected:
    virtual void Paint(const DrawList& list) = 0;

   private:
    DrawList list_;
};

}  // namespace lomvex
