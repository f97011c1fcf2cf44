// The status panel's texts.
#include "display/status_panel.h"
#include "display/format_text.h"

#include <cstdio>

namespace lomvex {

StatusState statusState;

namespace {

// A count for "%ld": truncated toward zero and held to 32 bits, as the
// program's `long` is.
long TruncLong(double value) {
    if (!(value > -2147483648.0)) return -2147483647L - 1;
    if (value > 2147483647.0) return 2147483647L;
    return static_cast<long>(value);
}

}  // namespace

std::string StatusRateText(unsigned rateKhz) {
    return FormatText("%2d  kHz", static_cast<int>(rateKhz));
}

std::string StatusSizeText(const FormatState& format) {
    if (format.bitsShown != 0 || format.rateKhz == 0)
        return FormatText("%5d  bit", static_cast<int>(format.bitsShown));
    const uint64_t bitsPerSecond = uint64_t{format.avgBytesPerSec} * 8;
    if (format.tag == 0x32)
        return FormatText("%5ld baud", TruncLong(static_cast<double>(bitsPerSecond)));
    const uint64_t kbps = bitsPerSecond / 1000;
    if (kbps <= 999) return FormatText("%5ld kbps", static_cast<long>(kbps));
    return FormatText("%5ld KB/s", static_cast<long>(format.avgBytesPerSec / 1024));
}

std::string ElapsedText(const FormatState& format, const RunFacts& run) {
    if (!run.playing) return FormatText("%6ld sec", 0L);
    if (!run.monitorMode && IsCompressedTag(format.tag))
        return FormatText("%7ld KB", TruncLong(run.bytes) / 1024);
    if (format.avgBytesPerSec == 0) return FormatText("%6ld sec", 0L);
    return FormatText("%6ld sec", TruncLong(run.bytes / format.avgBytesPerSec + 0.5));
}

std::string LengthText(const FormatState& format, bool monitorMode, uint32_t dataSize) {
    if (IsCompressedTag(format.tag)) return FormatText("%7ld KB", static_cast<long>(dataSize >> 10));
    if (format.avgBytesPerSec == 0) return FormatText("%6ld sec", 0L);
    if (monitorMode)
        return FormatText("%6ld sec", static_cast<long>(kMonitorByteLimit / format.avgBytesPerSec));
    return FormatText("%6.0f sec", static_cast<double>(dataSize) / format.avgBytesPerSec);
}

void RateTextOps(DrawList& out, const LayoutUnits& units, const FormatState& format) {
    out.Text(21 * units.unitX, units.unitY, StatusRateText(format.rateKhz));
    out.Text(18 * units.unitX, 4 * units.unitY, StatusSizeText(format));
}

void ElapsedTextOps(DrawList& out, const LayoutUnits& units, const FormatState& format,
                    const RunFacts& run) {
    out.Text(18 * units.unitX, 7 * units.unitY, ElapsedText(format, run));
}

void LengthTextOps(DrawList& out, const LayoutUnits& units, const FormatState& format,
                   bool monitorMode, uint32_t dataSize) {
    out.Text(18 * units.unitX, 10 * units.unitY, LengthText(format, monitorMode, dataSize));
}

void SchemeColourOps(DrawList& out, bool dark) {
    if (!dark) return;
    out.TextColour(kWhite);
    out.BackColour(kBlack);
}

void FormatOpenedOps(DrawList& out, const LayoutUnits& units, bool dark, const FormatState& format,
                     const RunFacts& run) {
    SchemeColourOps(out, dark);
    out.Blackness(units.unitX, 29 * units.unitY + 100, 35 * units.unitX, 5 * units.unitY);
    RateTextOps(out, units, format);
    ElapsedTextOps(out, units, format, run);
}

}  // namespace lomvex
