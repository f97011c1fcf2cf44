// The equalizer bars' texts: the band each bar covers (from the sample rate
// and the transform size), the centre-frequency label under each bar, the
// info panel of the bar being moved or focused, the balance value, and the
// spelled-out descriptions copied to the clipboard.
//
// A bar's scroll position p (-12 .. 72) means a gain of -p dB.
#pragma once

#include <string>

#include "display/draw_list.h"
#include "base/layout_units.h"

namespace lomvex {

// The lower and upper edge of a bar's band in Hz; both 0 while no sample
// rate is known.
struct BandEdges {
    double lower = 0;
    double upper = 0;
};

// The sample rate in Hz behind a rate in whole kHz: multiples of 11 are
// multiples of 11025 Hz (44 gives 44100), the others k × 1000.
double BandSampleRate(unsigned rateKhz);

BandEdges BandGeometry(unsigned rateKhz, int fftparam, int bar);

// The label under bar `bar`: "%d", "%d0", "%d00" or "%dkilo" of the band's
// centre frequency.
std::string BarLabelText(unsigned rateKhz, int fftparam, int bar, bool japanese);

// Top-left corner of the info panel.
struct PanelOrigin {
    int x = 0;
    int y = 0;
};
PanelOrigin InfoPanelOrigin(const LayoutUnits& units);

// The value-text colours (info panel, gain, balance).
void ValueTextColourOps(DrawList& out, bool dark);

// The gain line of the info panel, " %+3ddb " of the gain -position.
std::string GainText(int position);

struct BandInfoInputs {
    LayoutUnits units;
    bool dark = false;
    bool japanese = false;
    unsigned rateKhz = 0;
    int fftparam = 8;
};
// The info panel of bar `bar` at scroll position `position`: the two edges
// (only when a rate is known) and the gain line.
void BandInfoOps(DrawList& out, const BandInfoInputs& in, int bar, int position);
// After Reset: only the gain line, with gain 0.
void ResetGainOps(DrawList& out, const LayoutUnits& units, bool dark);

// The balance value beside the balance scrollbar.
std::string BalanceValueText(int balance);
void BalanceTextOps(DrawList& out, const LayoutUnits& units, bool dark, int balance);

// The unit labels beside the three rows of parametric fields ("to", "Hz",
// "db"), in the value-text colours as the balance value is.
void ParametricLabelOps(DrawList& out, const LayoutUnits& units, bool dark, bool japanese);

// Clipboard texts: the balance, and bar `bar` with its band and gain.
std::string BalanceClipboardText(int balance, bool japanese);
std::string BarClipboardText(unsigned rateKhz, int fftparam, int bar, int position, bool japanese);

}  // namespace lomvex
