// The level meter: the peak level of every buffer that is played, monitored
// or saved, one bar per channel with a held peak, in four styles (linear or
// decibel scale, segmented or continuous), and the run statistics behind the
// level warning shown when a run ends.
//
// Geometry is in layout units: row 0 (left, or the only channel) has its
// top at 30·unitY + 100, row 1 (right) at 32·unitY + 100; a mono bar is
// 3·unitY high, a stereo bar unitY. Bars run from x = 2·unitX to 27·unitX.
// A bar takes the channel's level L and a unit U (8 for 8-bit sound, 2048
// for 16-bit) with full scale FS = 16·U.
#pragma once

#include <cstdint>
#include <string>

#include "display/draw_list.h"
#include "base/layout_units.h"

namespace lomvex {

constexpr uint32_t kUnit8Bit = 8;
constexpr uint32_t kUnit16Bit = 2048;
constexpr uint32_t kMaxScanStep = 16000;

// The meter's process-wide state (one instance, `meterState`).
struct MeterState {
    uint32_t heldPeak[2] = {};  // rows 0 and 1; 17·U marks a held overload
    uint32_t maxLevel = 0;      // largest level of the run
    int32_t overCount = 0;      // buffers of the run that reached full scale
    uint32_t scanStep = 1;      // sample-frame step of the level scan
    uint32_t lastHandlerStart = 0;
    bool lastHandlerKnown = false;  // lastHandlerStart belongs to this run
};

extern MeterState meterState;

// How the bars look (settings `display`, `smooth`, `monochrome`, `PeakHold`).
struct MeterLook {
    bool decibel = true;
    bool smooth = false;
    bool monochrome = false;
    int peakHold = 1;  // 0 off, 1 decay, 2 constant hold
    int unitX = 0;
    int unitY = 0;
};

// What one buffer's metering needs besides its bytes.
struct MeterInputs {
    MeterLook look;
    int layout = 0;              // format state layout code
    bool processable = true;     // PCM, or decoded to PCM
    uint32_t oneTimeLength = 0;  // bytes of sound per buffer
    bool levelwarning = true;
    std::string cantDisplayText;  // "Can't display level" in the chosen language
};

int MeterRowTop(int row, int unitY);

// A click at client pixel (x, y) lies inside the meter area, borders
// excluded; such a click forgets the held peaks.
bool IsInsideMeterArea(const LayoutUnits& units, unsigned x, unsigned y);

// The threshold chain of the decibel-segmented bar: thresholds[i] belongs
// to the segment with even index n = 48 - 2i (i = 0 .. 23).
void DecibelThresholds(uint32_t unit, uint32_t thresholds[24]);

// The step cap of the level scan: sample frames per buffer divided by 32.
uint32_t ScanStepCap(uint32_t oneTimeLength, int layout);

// Peak bookkeeping and drawing of one bar (row 0 or 1, `height` pixels).
void DrawMeterBar(DrawList& out, MeterState& state, const MeterLook& look, uint32_t level, int row,
                  int height, uint32_t unit);

// Largest magnitudes of the channels over every `step`-th sample frame.
struct ChannelPeaks {
    uint32_t left = 0;  // or the only channel
    uint32_t right = 0;
};
ChannelPeaks ScanPeaks(const uint8_t* data, uint32_t byteCount, int layout, uint32_t step);

// The whole handling of one buffer: step clamping, scan, bars, overload
// count. Buffers of 4 bytes or fewer are ignored; sound that is not PCM
// gets the "can't display" text instead of bars.
void MeterBuffer(DrawList& out, MeterState& state, const MeterInputs& in, const uint8_t* data,
                 uint32_t byteCount);

// The first scan step of a run; `doubleForStereo` for a two-channel
// playback (a monitor run does not double).
uint32_t InitialScanStep(uint32_t sampleRate, bool doubleForStereo);
// A run starts: the initial step, and the previous run's handler time is
// forgotten.
void StartScanStep(MeterState& state, uint32_t step);

// The expected duration of one buffer in milliseconds.
struct ScanTiming {
    bool monitorRun = false;
    uint32_t deltatime = 4096;
    unsigned rateKhz = 44;
    int playingRate = 0;  // -120 .. 120
    uint16_t tag = 1;
};
uint32_t BufferDurationMs(const ScanTiming& timing);

// Adapts the scan step to the handling that started at `start` and ended
// at `now` (milliseconds): larger when handlings come late, smaller while
// they are cheap. The first handling of a run only records its time.
void AdaptStep(MeterState& state, const ScanTiming& timing, uint32_t start, uint32_t now);

// The channel labels beside the bars; nothing while no file or monitor is
// open (`engineMode` 0).
struct ChannelLabelInputs {
    int engineMode = 0;
    int layout = 0;
    bool japanese = false;
    bool newStyleShell = true;
    LayoutUnits units;
};
void DrawChannelLabelOps(DrawList& out, const ChannelLabelInputs& in);

// The level warning of a finished run.
enum class WarningIcon { None, Warning, Information };
struct LevelWarning {
    std::string text;
    std::string caption;
    WarningIcon icon = WarningIcon::None;
};
// Decibels of the largest level against 32767 (16-bit) or 127 (8-bit);
// -99.0 for silence.
double WarningDecibels(uint32_t maxLevel, bool sixteenBit);
LevelWarning BuildLevelWarning(double decibels, int32_t overCount, bool japanese, bool useclip);

}  // namespace lomvex
