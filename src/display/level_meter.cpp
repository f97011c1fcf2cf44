// The level meter: scan, peak bookkeeping, the four bar styles, the scan
// step and the level warning.
#include "display/level_meter.h"
#include "display/format_text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "display/display_texts.h"
#include "dsp/pcm_frames.h"
#include "dsp/rate_model.h"

namespace lomvex {

MeterState meterState;

namespace {

// One decibel-segment step: 2^(-1/6), about -1.003 dB.
constexpr double kSegmentRatio = 0.890898718140339;
constexpr double kSqrt2 = 1.4142135623731;

enum class Zone { Blue, Cyan, Green, Yellow, Red, Overload };

constexpr Colour kGreen = Rgb(0, 255, 0);
constexpr Colour kDarkGreen = Rgb(0, 128, 0);
constexpr Colour kYellow = Rgb(255, 255, 0);
constexpr Colour kOlive = Rgb(128, 128, 0);
constexpr Colour kRed = Rgb(255, 0, 0);
constexpr Colour kMaroon = Rgb(128, 0, 0);
constexpr Colour kCyan = Rgb(0, 255, 255);
constexpr Colour kTeal = Rgb(0, 128, 128);
constexpr Colour kBlue = Rgb(0, 0, 255);
constexpr Colour kNavy = Rgb(0, 0, 128);

Colour ZoneColour(Zone zone, bool lit, bool monochrome) {
    struct Pair {
        Colour lit, unlit, litMono, unlitMono;
    };
    static constexpr Pair kColours[] = {
        {kBlue, kNavy, kCyan, kNavy},         // blue zone
        {kCyan, kTeal, kYellow, kMaroon},     // cyan zone
        {kGreen, kDarkGreen, kCyan, kNavy},   // green zone
        {kYellow, kOlive, kYellow, kMaroon},  // yellow zone
        {kRed, kMaroon, kCyan, kNavy},        // red zone
        {kRed, kMaroon, kYellow, kMaroon},    // overload segment
    };
    const Pair& pair = kColours[static_cast<int>(zone)];
    if (monochrome) return lit ? pair.litMono : pair.unlitMono;
    return lit ? pair.lit : pair.unlit;
}

uint32_t NextThreshold(double value) {
    return static_cast<uint32_t>(value * kSegmentRatio + 0.5);
}

double Decibels(uint32_t level, double fullScale) {
    if (level == 0) return -99.0;
    return 20.0 * std::log(level / fullScale) / std::log(10.0);
}

// Bar geometry shared by the styles.
struct Bar {
    DrawList& out;
    const MeterLook& look;
    int top;
    int height;

    void Piece(int x, int width, Zone zone, bool lit) const {
        if (width > 0) out.Fill(x, top, width, height, ZoneColour(zone, lit, look.monochrome));
    }
    void Marker(int x, int width) const { out.Whiteness(x, top, width, height); }
    // A continuous zone: lit from its left edge, unlit over the rest.
    void Continuous(int left, int width, int litWidth, Zone zone) const {
        Piece(left, litWidth, zone, true);
        Piece(left + litWidth, width - litWidth, zone, false);
    }
};

void DrawLinearSegmented(const Bar& bar, uint32_t level, uint32_t held, uint32_t unit) {
    const int ux = bar.look.unitX;
    const uint32_t fullScale = 16 * unit;
    bar.Piece(26 * ux, ux, Zone::Overload, level > fullScale - 2);
    for (int k = 15; k >= 0; --k) {
        Zone zone = k >= 12 ? Zone::Red : k >= 8 ? Zone::Yellow : Zone::Green;
        bar.Piece(((2 + 3 * k) * ux) / 2 + ux, ux, zone, level > static_cast<uint32_t>(k) * unit);
    }
    if (bar.look.peakHold == 0 || held == 0) return;
    int n = held > fullScale - 2 ? 50 : static_cast<int>((held - 1) / unit) * 3 + 2;
    bar.Marker((n * ux) / 2 + 2 * ux - ux / 4, ux / 4);
}

void DrawLinearContinuous(const Bar& bar, uint32_t level, uint32_t held, uint32_t unit) {
    const uint32_t ux = static_cast<uint32_t>(bar.look.unitX);
    const uint32_t fullScale = 16 * unit;
    auto scaled = [&](uint32_t value) { return ((24 * ux * value) / unit) / 16; };

    uint32_t green = std::min(12 * ux, scaled(level));
    bar.Continuous(2 * ux, 12 * ux, green, Zone::Green);

    uint32_t yellow = level < 8 * unit ? 0 : std::min(6 * ux, scaled(level - 8 * unit));
    bar.Continuous(14 * ux, 6 * ux, yellow, Zone::Yellow);

    uint32_t red = level < 12 * unit        ? 0
                   : level >= fullScale - 1 ? 6 * ux + 1
                                            : scaled(level - 12 * unit);
    bar.Piece(20 * ux, red, Zone::Red, true);
    if (red < 6 * ux) bar.Piece(20 * ux + red, 6 * ux + 1 - red, Zone::Red, false);

    if (bar.look.peakHold == 0 || held == 0) return;
    bar.Marker(static_cast<int>(2 * ux + scaled(std::min(held, fullScale))), 1);
}

void DrawDecibelContinuous(const Bar& bar, uint32_t level, uint32_t held, uint32_t unit) {
    const int ux = bar.look.unitX;
    const double fullScale = 16.0 * unit;
    const double db = Decibels(level, fullScale);
    struct DbZone {
        Zone zone;
        double offset;
        int left;   // in unitX
        int width;  // in unitX
    };
    static constexpr DbZone kZones[] = {
        {Zone::Red, 3.0, 23, 3},  {Zone::Yellow, 6.0, 20, 3}, {Zone::Green, 12.0, 14, 6},
        {Zone::Cyan, 18.0, 8, 6}, {Zone::Blue, 24.0, 2, 6},
    };
    for (const DbZone& z : kZones) {
        int width = z.width * ux + (z.zone == Zone::Red ? 1 : 0);
        int lit = static_cast<int>((db + z.offset) * ux);
        if (lit < 0) lit = 0;
        if (z.zone == Zone::Red && db >= -0.1) lit = width;
        lit = std::min(lit, width);
        bar.Continuous(z.left * ux, width, lit, z.zone);
    }
    if (bar.look.peakHold == 0) return;
    double heldDb = Decibels(std::min(held, 16 * unit), fullScale);
    if (heldDb > -24.0) bar.Marker(static_cast<int>(2 * ux + (heldDb + 24.0) * ux), 1);
}

void DrawDecibelSegmented(const Bar& bar, uint32_t level, uint32_t held, uint32_t unit) {
    const int ux = bar.look.unitX;
    const uint32_t fullScale = 16 * unit;
    bar.Piece(26 * ux, ux, Zone::Overload, level > fullScale - 2);
    uint32_t thresholds[24];
    DecibelThresholds(unit, thresholds);
    for (int i = 0; i < 24; ++i) {
        int n = 48 - 2 * i;
        Zone zone = i < 3    ? Zone::Red
                    : i < 6  ? Zone::Yellow
                    : i < 12 ? Zone::Green
                    : i < 18 ? Zone::Cyan
                             : Zone::Blue;
        bar.Piece((n * ux) / 2 + ux, ux / 2, zone, level > thresholds[i]);
    }
    if (bar.look.peakHold == 0) return;
    // The marker's chain runs from full scale without the zone restarts.
    uint32_t t = NextThreshold(fullScale);
    int n = 48;
    while (n > 0 && t >= held) {
        t = NextThreshold(t);
        n -= 2;
    }
    if (held > fullScale - 2) n = 51;
    if (n > 0) bar.Marker(((n + 1) * ux) / 2 + ux - ux / 4, ux / 4);
}

uint32_t Magnitude8(uint8_t byte) {
    return byte >= 128 ? byte - 128u : 128u - byte;
}

uint32_t Magnitude16(const uint8_t* data, uint32_t sample) {
    int16_t value = ReadSample16(data + 2 * sample);
    return value < 0 ? static_cast<uint32_t>(-static_cast<int32_t>(value))
                     : static_cast<uint32_t>(value);
}

}  // namespace

int MeterRowTop(int row, int unitY) {
    return (row == 0 ? 30 : 32) * unitY + 100;
}

bool IsInsideMeterArea(const LayoutUnits& units, unsigned x, unsigned y) {
    const unsigned left = static_cast<unsigned>(units.unitX);
    const unsigned right = static_cast<unsigned>(36 * units.unitX);
    const unsigned top = static_cast<unsigned>(29 * units.unitY + 100);
    const unsigned bottom = static_cast<unsigned>(34 * units.unitY + 100);
    return x > left && x < right && y > top && y < bottom;
}

void DecibelThresholds(uint32_t unit, uint32_t thresholds[24]) {
    struct ZoneStart {
        int first;  // index of the zone's first threshold
        double base;
    };
    const double u = unit;
    const ZoneStart starts[] = {{0, 16 * u}, {3, 8 * u * kSqrt2}, {6, 8 * u},
                                {12, 4 * u}, {18, 2 * u},         {24, 0}};
    for (int z = 0; z < 5; ++z) {
        double value = starts[z].base;
        for (int i = starts[z].first; i < starts[z + 1].first; ++i) {
            thresholds[i] = NextThreshold(value);
            value = thresholds[i];
        }
    }
}

uint32_t ScanStepCap(uint32_t oneTimeLength, int layout) {
    static constexpr int kShift[] = {5, 6, 6, 7};
    return oneTimeLength >> kShift[layout & 3];
}

void DrawMeterBar(DrawList& out, MeterState& state, const MeterLook& look, uint32_t level, int row,
                  int height, uint32_t unit) {
    const uint32_t fullScale = 16 * unit;
    uint32_t& held = state.heldPeak[row == 0 ? 0 : 1];
    state.maxLevel = std::max(state.maxLevel, level);
    if (look.peakHold == 1) {
        if (look.decibel)
            held = static_cast<uint32_t>(held * 0.97 + 0.25);
        else
            held = unit / 4 < held ? held - unit / 4 : 0;
    }
    if (level > held) held = level;
    if (level > fullScale - 2) held = 17 * unit;

    Bar bar{out, look, MeterRowTop(row, look.unitY), height};
    if (!look.decibel) {
        if (look.smooth)
            DrawLinearContinuous(bar, level, held, unit);
        else
            DrawLinearSegmented(bar, level, held, unit);
    } else {
        if (look.smooth)
            DrawDecibelContinuous(bar, level, held, unit);
        else
            DrawDecibelSegmented(bar, level, held, unit);
    }
}

ChannelPeaks ScanPeaks(const uint8_t* data, uint32_t byteCount, int layout, uint32_t step) {
    ChannelPeaks peaks;
    if (step == 0) step = 1;
    auto keep = [](uint32_t& peak, uint32_t value) {
        if (value > peak) peak = value;
    };
    const uint32_t samples = byteCount / 2;
    switch (layout) {
        case 0:
            for (uint32_t i = 0; i < byteCount; i += step) keep(peaks.left, Magnitude8(data[i]));
            break;
        case 1:
            for (uint32_t i = 0; i < samples; i += step) keep(peaks.left, Magnitude16(data, i));
            break;
        case 2:  // only whole sample frames are read
            for (uint32_t i = 0; i + 1 < byteCount; i += 2 * step) {
                keep(peaks.left, Magnitude8(data[i]));
                keep(peaks.right, Magnitude8(data[i + 1]));
            }
            break;
        case 3:
            for (uint32_t i = 0; i + 1 < samples; i += 2 * step) {
                keep(peaks.left, Magnitude16(data, i));
                keep(peaks.right, Magnitude16(data, i + 1));
            }
            break;
        default:
            break;
    }
    return peaks;
}

void MeterBuffer(DrawList& out, MeterState& state, const MeterInputs& in, const uint8_t* data,
                 uint32_t byteCount) {
    if (byteCount <= 4) return;
    const int ux = in.look.unitX;
    const int uy = in.look.unitY;
    if (!in.processable) {
        out.TextColour(kWhite);
        out.BackColour(kBlack);
        out.OpaqueBack();
        out.Text(3 * ux, 30 * uy + uy / 2 + 100, in.cantDisplayText);
        return;
    }
    if (state.scanStep > kMaxScanStep) state.scanStep = kMaxScanStep;
    state.scanStep = std::min(state.scanStep, ScanStepCap(in.oneTimeLength, in.layout));
    if (state.scanStep == 0 || in.levelwarning) state.scanStep = 1;

    ChannelPeaks peaks = ScanPeaks(data, byteCount, in.layout, state.scanStep);
    const bool sixteenBit = (in.layout & 1) != 0;
    const uint32_t unit = sixteenBit ? kUnit16Bit : kUnit8Bit;
    if (in.layout == 0 || in.layout == 1) {
        DrawMeterBar(out, state, in.look, peaks.left, 0, 3 * uy, unit);
    } else if (in.layout == 2 || in.layout == 3) {
        DrawMeterBar(out, state, in.look, peaks.left, 0, uy, unit);
        DrawMeterBar(out, state, in.look, peaks.right, 1, uy, unit);
    }
    const uint32_t overload = sixteenBit ? 32767 : 127;
    if (peaks.left >= overload || peaks.right >= overload) ++state.overCount;
}

uint32_t InitialScanStep(uint32_t sampleRate, bool doubleForStereo) {
    uint32_t step = sampleRate >= 48000   ? 10
                    : sampleRate >= 44100 ? 8
                    : sampleRate >= 32000 ? 6
                    : sampleRate >= 16000 ? 4
                                          : 2;
    return doubleForStereo ? 2 * step : step;
}

void StartScanStep(MeterState& state, uint32_t step) {
    state.scanStep = step;
    state.lastHandlerKnown = false;
}

uint32_t BufferDurationMs(const ScanTiming& timing) {
    const double base = timing.rateKhz % 11 != 0 ? 8.0 : 11.025;
    double scale = timing.monitorRun ? 1.0 : BufferDurationScale(timing.playingRate);
    uint32_t d = static_cast<uint32_t>(scale * timing.deltatime / base + 0.5);
    if (timing.tag >= 0x71 && timing.tag <= 0x73) d = static_cast<uint32_t>(d * 1.4);
    return d;
}

void AdaptStep(MeterState& state, const ScanTiming& timing, uint32_t start, uint32_t now) {
    if (!state.lastHandlerKnown) {
        // The previous handling belongs to another run, maybe minutes ago.
        state.lastHandlerStart = start;
        state.lastHandlerKnown = true;
        return;
    }
    const double d = BufferDurationMs(timing);
    const double interval = static_cast<uint32_t>(start - state.lastHandlerStart);
    const double work = static_cast<uint32_t>(now - start);
    uint32_t& step = state.scanStep;
    if (interval > 1.09 * d) {
        step = std::min<uint32_t>(2 * step, 65535);
    } else if (interval > 1.01 * d) {
        step = std::min<uint32_t>(step + 1, 65535);
    } else {
        enum Action { Quarter, Halve, Less };
        struct Rule {
            double share;      // of the buffer duration
            uint32_t minStep;  // the rule needs step >= minStep
            Action action;
        };
        static constexpr Rule kMonitorRules[] = {
            {0.1, 31, Halve}, {0.05, 16, Halve}, {0.2, 9, Less},  {0.18, 7, Less},
            {0.16, 5, Less},  {0.14, 4, Less},   {0.12, 3, Less}, {0.1, 2, Less},
        };
        static constexpr Rule kPlayRules[] = {
            {0.15, 8, Quarter}, {0.3, 61, Halve}, {0.81, 9, Less}, {0.76, 7, Less},
            {0.68, 5, Less},    {0.61, 4, Less},  {0.49, 3, Less}, {0.3, 2, Less},
        };
        const Rule* rules = timing.monitorRun ? kMonitorRules : kPlayRules;
        for (int i = 0; i < 8; ++i) {
            if (!(work < rules[i].share * d) || step < rules[i].minStep) continue;
            step = rules[i].action == Quarter ? step >> 2
                   : rules[i].action == Halve ? step / 2
                                              : step - 1;
            break;
        }
    }
    state.lastHandlerStart = start;
}

void DrawChannelLabelOps(DrawList& out, const ChannelLabelInputs& in) {
    if (in.engineMode == 0) return;
    const int ux = in.units.unitX;
    const int uy = in.units.unitY;
    out.TextColour(Rgb(255, 255, 0));
    out.TransparentBack();
    if (in.layout & 2) {
        out.LabelFont(in.newStyleShell ? -(3 * uy) / 2 : -uy);
        const int lift = in.newStyleShell ? 1 : 0;
        out.Text(28 * ux, MeterRowTop(0, uy) - lift,
                 in.japanese ? ja::kMeterLeftLabel : kMeterLeftLabel);
        out.Text(28 * ux, MeterRowTop(1, uy) - lift,
                 in.japanese ? ja::kMeterRightLabel : kMeterRightLabel);
    } else {
        out.Text((53 * ux) / 2 + ux, 30 * uy + uy / 2 + 100, kMeterMonauralLabel);
    }
}

double WarningDecibels(uint32_t maxLevel, bool sixteenBit) {
    return Decibels(maxLevel, sixteenBit ? 32767.0 : 127.0);
}

namespace {

void ReplaceFirst(std::string& text, char c, const char* word) {
    size_t at = text.find(c);
    if (at != std::string::npos) text.replace(at, 1, word);
}

}  // namespace

LevelWarning BuildLevelWarning(double decibels, int32_t overCount, bool japanese, bool useclip) {
    const bool spelled = japanese && useclip;
    LevelWarning warning;
    warning.text =
        FormatText(japanese ? (spelled ? ja::kWarningMaxLevelSpelledFormat : ja::kWarningMaxLevelFormat)
                        : kWarningMaxLevelFormat,
               decibels);
    if (decibels >= 0.0) {
        warning.text += FormatText(
            japanese ? (spelled ? ja::kWarningOverTimesSpelledFormat : ja::kWarningOverTimesFormat)
                     : kWarningOverTimesFormat,
            static_cast<long>(overCount));
    }
    if (japanese) {
        if (decibels >= 0.0)
            warning.text += ja::kWarningTooHigh;
        else if (decibels < -6.0)
            warning.text += ja::kWarningTooLow;
    }
    if (spelled) {
        ReplaceFirst(warning.text, '-', ja::kWarningMinusWord);
        ReplaceFirst(warning.text, '+', ja::kWarningPlusWord);
        ReplaceFirst(warning.text, '.', ja::kWarningPointWord);
    }
    if (decibels >= 0.0) {
        warning.caption = kWarningOverCaption;
        warning.icon = WarningIcon::Warning;
    } else if (decibels < -6.0) {
        warning.caption = kWarningUnderCaption;
        warning.icon = WarningIcon::Information;
    } else {
        warning.caption = kWarningCaption;
    }
    return warning;
}

}  // namespace lomvex
