// The status panel: four short texts in the upper part of the main window
// (sample rate, sample size or data rate, elapsed time, length), written in
// the device context's colours and the OEM fixed font. The formats are
// fixed-width, so a new text covers the old one.
#pragma once

#include <cstdint>
#include <string>

#include "display/draw_list.h"
#include "audiofile/format_state.h"
#include "base/layout_units.h"

namespace lomvex {

// What the panel knows beyond the format state.
struct StatusState {
    uint32_t dataSize = 0;  // bytes of sound in the open file, from ShowLength
};

extern StatusState statusState;

// Where the run stands, for the elapsed and length texts.
struct RunFacts {
    bool playing = false;      // a device runs (or a save is writing)
    bool monitorMode = false;  // engine mode 2
    double bytes = 0;          // bytes played, or monitored in a monitor run
};

// The monitor's byte limit: its length text is the time it can count.
constexpr uint32_t kMonitorByteLimit = 2147483647u;

std::string StatusRateText(unsigned rateKhz);           // "%2d  kHz"
std::string StatusSizeText(const FormatState& format);  // bits, baud, kbps or KB/s
std::string ElapsedText(const FormatState& format, const RunFacts& run);
std::string LengthText(const FormatState& format, bool monitorMode, uint32_t dataSize);

void RateTextOps(DrawList& out, const LayoutUnits& units, const FormatState& format);
void ElapsedTextOps(DrawList& out, const LayoutUnits& units, const FormatState& format,
                    const RunFacts& run);
void LengthTextOps(DrawList& out, const LayoutUnits& units, const FormatState& format,
                   bool monitorMode, uint32_t dataSize);

// The colours of a freshly taken window context: white on black in the
// dark scheme, the context's own colours otherwise.
void SchemeColourOps(DrawList& out, bool dark);

// A file or the monitor was opened: the meter area goes black and the rate,
// size and elapsed texts are drawn anew.
void FormatOpenedOps(DrawList& out, const LayoutUnits& units, bool dark, const FormatState& format,
                     const RunFacts& run);

}  // namespace lomvex
