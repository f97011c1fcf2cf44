// Band geometry and the equalizer panel's texts.
#include "display/band_panel.h"
#include "display/format_text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "display/display_texts.h"

namespace lomvex {
namespace {

int Round(double value) {
    return static_cast<int>(value + 0.5);
}

}  // namespace

double BandSampleRate(unsigned rateKhz) {
    if (rateKhz % 11 != 0) return rateKhz * 1000.0;
    return (rateKhz / 11) * 11025.0;
}

BandEdges BandGeometry(unsigned rateKhz, int fftparam, int bar) {
    BandEdges edges;
    if (rateKhz == 0) return edges;
    const double fs = BandSampleRate(rateKhz);
    const double h = fs / std::ldexp(1.0, fftparam + 1);
    const double top = fs / std::ldexp(1.0, 10 - bar / 2);
    if (fftparam < 12) {
        edges.lower = bar == 20 - 2 * fftparam ? 0.0 : top / 2 - h;
        edges.upper = top - h;
        return edges;
    }
    const double m = std::ldexp(1.0, bar / 2 + fftparam - 10);
    const double q = std::trunc(m * 0.707107 + 0.5);
    if (bar % 2 == 1) {
        edges.lower = top / m * q - h;
        edges.upper = top - h;
    } else {
        edges.lower = top / 2 - h;
        edges.upper = top / m * q - h;
    }
    return edges;
}

std::string BarLabelText(unsigned rateKhz, int fftparam, int bar, bool japanese) {
    BandEdges e = BandGeometry(rateKhz, fftparam, bar);
    double c =
        e.lower == 0 || e.upper == 0 ? e.upper * 0.7 : std::sqrt(std::max(0.0, e.lower * e.upper));
    if (c < 99.5) return FormatText("%d", Round(c));
    if (c < 995.0) return FormatText("%d0", Round(c / 10));
    if (c < 9950.0) return FormatText("%d00", Round(c / 100));
    return FormatText(japanese ? ja::kBandKiloLabelFormat : kBandKiloLabelFormat, Round(c / 1000));
}

PanelOrigin InfoPanelOrigin(const LayoutUnits& units) {
    if (35 * units.unitX <= 250) return {37 * units.unitX, 28 * units.unitY + 100};
    return {2 * units.unitX + 250, 18 * units.unitY + 100};
}

void ValueTextColourOps(DrawList& out, bool dark) {
    out.BackColour(dark ? Rgb(128, 128, 128) : Rgb(192, 192, 192));
    out.TextColour(dark ? kWhite : kBlack);
    out.OpaqueBack();
}

std::string GainText(int position) {
    if (position != 0) return FormatText(" %+3ddb ", -position);
    return FormatText(" %3ddb ", 0);
}

void BandInfoOps(DrawList& out, const BandInfoInputs& in, int bar, int position) {
    ValueTextColourOps(out, in.dark);
    const PanelOrigin at = InfoPanelOrigin(in.units);
    if (in.rateKhz != 0) {
        const BandEdges e = BandGeometry(in.rateKhz, in.fftparam, bar);
        const char* dash = in.japanese ? ja::kBandRangeDash : kBandRangeDash;
        out.Text(at.x, at.y,
                 e.lower >= 10000.0 ? FormatText("%3.0fk%s  ", e.lower / 1000, dash)
                                    : FormatText("%4.0f%s  ", e.lower, dash));
        out.Text(at.x, static_cast<int>(at.y + 2.5 * in.units.unitY),
                 e.upper >= 10000.0 ? FormatText("%3.0fkHz  ", e.upper / 1000)
                                    : FormatText("%4.0fHz  ", e.upper));
    }
    out.Text(at.x, at.y + 5 * in.units.unitY, GainText(position));
}

void ResetGainOps(DrawList& out, const LayoutUnits& units, bool dark) {
    ValueTextColourOps(out, dark);
    const PanelOrigin at = InfoPanelOrigin(units);
    out.Text(at.x, at.y + 5 * units.unitY, GainText(0));
}

std::string BalanceValueText(int balance) {
    return balance != 0 ? FormatText("%+4d", balance) : FormatText("%4d", 0);
}

void BalanceTextOps(DrawList& out, const LayoutUnits& units, bool dark, int balance) {
    ValueTextColourOps(out, dark);
    out.Text(ClientWidth(units) - 5 * units.unitX, 14 * units.unitY, BalanceValueText(balance));
}

void ParametricLabelOps(DrawList& out, const LayoutUnits& units, bool dark, bool japanese) {
    ValueTextColourOps(out, dark);
    const char* to = japanese ? ja::kParametricTo : kParametricTo;
    for (int i = 0; i < 3; ++i) {
        const int y = (3 * i + 18) * units.unitY + 2 * i + 100;
        out.Text(8 * units.unitX, y, to);
        out.Text(18 * units.unitX, y, "Hz");
        out.Text(27 * units.unitX, y, "db");
    }
}

std::string BalanceClipboardText(int balance, bool japanese) {
    const char* name = japanese ? ja::kClipBalanceName : kClipBalanceName;
    return balance != 0 ? FormatText("%s %+4d", name, balance) : FormatText("%s %4d", name, 0);
}

std::string BarClipboardText(unsigned rateKhz, int fftparam, int bar, int position, bool japanese) {
    std::string from, to;
    if (rateKhz != 0) {
        const BandEdges e = BandGeometry(rateKhz, fftparam, bar);
        // Half-octave bands carry a space after the "from" part.
        const bool halfOctave = fftparam >= 12;
        if (e.lower >= 9999.5)
            from = FormatText(halfOctave ? "%3.0f%s " : "%3.0f%s", e.lower / 1000,
                          japanese ? ja::kClipKiloTo : kClipKiloTo);
        else
            from = FormatText(halfOctave ? "%4.0f%s " : "%4.0f%s", e.lower,
                          japanese ? ja::kClipTo : kClipTo);
        if (e.upper >= 9999.5)
            to = FormatText(japanese ? ja::kClipKiloHertzFormat : kClipKiloHertzFormat, e.upper / 1000);
        else
            to = FormatText(japanese ? ja::kClipHertzFormat : kClipHertzFormat, e.upper);
    }
    if (position != 0)
        return FormatText(japanese ? ja::kClipDecibelFormat : kClipDecibelFormat, from.c_str(),
                      to.c_str(), -position);
    return FormatText(japanese ? ja::kClipZeroDecibelFormat : kClipZeroDecibelFormat, from.c_str(),
                  to.c_str(), 0);
}

}  // namespace lomvex
