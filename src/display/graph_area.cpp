// The graph area's views: spectrum rows, octave bars, logarithmic spectrum
// and the waveform trace.
#include "display/graph_area.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

#include "display/display_texts.h"

namespace lomvex {

GraphState graphState;

namespace {

int AreaTop(const GraphInputs& in) {
    return 17 * in.unitY;
}

void ClearArea(DrawList& out, const GraphInputs& in) {
    if (in.dark)
        out.Blackness(in.unitX, AreaTop(in), kGraphWidth, kGraphHeight);
    else
        out.Whiteness(in.unitX, AreaTop(in), kGraphWidth, kGraphHeight);
}

// A bar or bin in the drawing colour of the scheme.
void FillDrawn(DrawList& out, const GraphInputs& in, int x, int y, int width, int height) {
    if (in.dark)
        out.Whiteness(x, y, width, height);
    else
        out.Blackness(x, y, width, height);
}

// The band bar over rows [from, to): up to the smallest row in the band.
void BandBar(DrawList& out, const GraphInputs& in, const uint8_t* rows, int from, int to, int x,
             int width) {
    double m = 100.0;
    for (int i = from; i < to; ++i) m = std::min(m, static_cast<double>(rows[i]));
    FillDrawn(out, in, x, static_cast<int>(AreaTop(in) + m), width, static_cast<int>(100.0 - m));
}

bool IsDoubledSpanTag(uint16_t tag) {
    return tag >= 0x71 && tag <= 0x73;
}

}  // namespace

void SpectrumRows(int n, uint8_t* rows, const double* re, const double* im, bool sixteenBit,
                  bool decibel) {
    const double norm = sixteenBit ? 70000000.0 : 1000.0;
    for (int i = 0; i < n / 2; ++i) {
        double p = (re[i] * re[i] + im[i] * im[i]) / norm;
        if (decibel) {
            double v = p > 1e-30 ? std::log(p) / 25.0 : -1.0;
            v = std::clamp(v, -1.0, 0.0);
            rows[i] = static_cast<uint8_t>(-v * 120.0);
        } else {
            double a = std::clamp(std::sqrt(p), 0.0, 1.0);
            rows[i] = static_cast<uint8_t>(100.5 - a * 100.0);
        }
    }
}

void DrawOctaveBars(DrawList& out, const GraphInputs& in, const uint8_t* rows, int binCount) {
    ClearArea(out, in);
    int k = binCount;
    if (in.fftparam < 12) {
        for (int j = 0; j < 10 && k > 0; ++j) {
            BandBar(out, in, rows, k / 2, k, 225 - 25 * j + in.unitX + 2, 20);
            k /= 2;
        }
        return;
    }
    for (int j = 0; j < 10; ++j) {
        int h = static_cast<int>(k * 0.707107 + 0.5);
        BandBar(out, in, rows, h, k, 225 - 25 * j + in.unitX + 13, 10);
        BandBar(out, in, rows, k / 2, h, 225 - 25 * j + in.unitX + 1, 10);
        k /= 2;
    }
}

void DrawLogSpectrum(DrawList& out, const GraphInputs& in, const uint8_t* rows, int binCount) {
    ClearArea(out, in);
    if (binCount < 2) return;
    const double lnK = std::log(static_cast<double>(binCount));
    for (int i = 0; i < binCount; ++i) {
        int x0 = 0, x1 = 0;
        if (i > 0) {
            x0 = static_cast<int>(std::log(static_cast<double>(i)) / lnK * 256.0);
            x1 = static_cast<int>(std::log(static_cast<double>(i + 1)) / lnK * 256.0);
        }
        int width = std::max(x1 - x0, 1);
        if (i > 0 && x0 == 0) x0 = 1;
        int r = rows[i];
        if (r < 100) FillDrawn(out, in, in.unitX + x0, AreaTop(in) + r, width, 100 - r);
    }
}

void WaveRows(const double* samples, int count, bool sixteenBit, uint8_t* rows) {
    const double k = sixteenBit ? 1.0 / 32768 : 1.0 / 128;
    for (int i = 0; i < count; ++i) {
        double row = std::trunc(samples[i] * k * 50.0 + 50.0);
        rows[i] = static_cast<uint8_t>(std::clamp(row, 0.0, 100.0));
    }
}

void DrawTrace(DrawList& out, const GraphInputs& in, int& msecTextLength, const uint8_t* rows,
               int count, uint32_t spanBase) {
    if (count <= 1) return;
    const int top = AreaTop(in);
    const uint32_t points = static_cast<uint32_t>(count);
    uint32_t s = std::max<uint32_t>(spanBase, 1);
    uint32_t b = in.rateKhz == 12 ? static_cast<uint32_t>(s * 1.5) : s;
    if (b < points || IsDoubledSpanTag(in.tag)) {
        while (b < points) {
            b *= 2;
            s *= 2;
        }
        int ms =
            in.rateKhz % 11 != 0 ? static_cast<int>(s / 8) : static_cast<int>(s / 11.025 + 0.5);
        char text[32];
        msecTextLength = std::snprintf(text, sizeof text, kTraceMsecFormat, ms);
        out.Text(512, top + 260, text);
    } else if (msecTextLength > 0) {
        // The span fits again: cover the old text in the window's colours.
        out.TextColour(SystemColour(kSysColourButtonText));
        out.OpaqueBack();
        out.BackColour(SystemColour(kSysColourButtonFace));
        out.Text(512, top + 260, std::string(msecTextLength, ' '));
        msecTextLength = 0;
    }
    if (in.dark) out.WhitePen();
    ClearArea(out, in);

    const int x = in.unitX;
    out.MoveTo(x, top + rows[0]);
    if (b < kGraphWidth) {
        for (int i = 1; i < count; ++i)
            out.LineTo(static_cast<int>(x + i * 256.0 / b), top + rows[i]);
        return;
    }
    const int step = static_cast<int>(b / kGraphWidth);
    // One column per pixel of the area, never beyond its right edge.
    const int columns = std::min((count + step - 1) / step, kGraphWidth);
    for (int c = 0; c < columns; ++c) {
        const int first = c * step;
        const int end = std::min(first + step, count);
        out.LineTo(x + c, top + rows[first]);
        uint8_t low = rows[first], high = rows[first];
        for (int i = first + 1; i < end; ++i) {
            low = std::min(low, rows[i]);
            high = std::max(high, rows[i]);
        }
        out.MoveTo(x + c, top + low);
        out.LineTo(x + c, top + high + 1);
        out.MoveTo(x + c, top + rows[end - 1]);
    }
}

void GraphView::DrawFrameWave(int n, uint8_t* rows, const double* samples, const char* label) {
    list_.Clear();
    list_.Text(inputs.unitX + 258, AreaTop(inputs) + 60, std::string(label, strnlen(label, 3)));
    WaveRows(samples, n, inputs.sixteenBit, rows);
    uint32_t span = inputs.fftparam >= 0 && inputs.fftparam < 31 ? 1u << inputs.fftparam : n;
    DrawTrace(list_, inputs, graphState.msecTextLength[kFrameTrace], rows, n, span);
    Paint(list_);
}

void GraphView::DrawSpectrum(int n, uint8_t* rows, const double* re, const double* im) {
    if (inputs.viewItem != kViewOctaveBars && inputs.viewItem != kViewSpectrum) return;
    list_.Clear();
    SpectrumRows(n, rows, re, im, inputs.sixteenBit, inputs.decibel);
    if (inputs.viewItem == kViewOctaveBars)
        DrawOctaveBars(list_, inputs, rows, n / 2);
    else
        DrawLogSpectrum(list_, inputs, rows, n / 2);
    Paint(list_);
}

void GraphView::DrawOutputWave(uint8_t* rows, int count) {
    list_.Clear();
    DrawTrace(list_, inputs, graphState.msecTextLength[kOutputTrace], rows, count,
              inputs.deltatime);
    Paint(list_);
}

void GraphView::DrawGraphText(int x, int y, const char* text) {
    list_.Clear();
    list_.Text(x, y, text);
    Paint(list_);
}

}  // namespace lomvex
