// The level meter on the main window: the engine's per-buffer calls, the
// channel labels and the level warning box.
// The compression manager's header needs these first, in this order.
// clang-format off
#include <windows.h>
#include <mmsystem.h>
#include <mmreg.h>
// clang-format on

#include "audiofile/win32/acm_binding.h"
#include "display/display_texts.h"
#include "display/format_state.h"
#include "display/level_meter.h"
#include "display/win32/draw_list_painter.h"
#include "display/win32/run_display.h"
#include "display/win32/status_panel.h"
#include "engine/messages.h"
#include "engine/win32/engine_state.h"
#include "engine/win32/message_box_sink.h"
#include "resources/ids.h"
#include "shell/shell_state.h"

namespace lomvex {
namespace {

constexpr uint16_t kTagPcm = 1;

// Reused for every buffer, so metering allocates nothing once it runs.
DrawList meterList;

MeterLook CurrentLook() {
    const Settings& s = shell.settings;
    MeterLook look;
    look.decibel = s.display != 0;
    look.smooth = s.smooth != 0;
    look.monochrome = s.monochrome != 0;
    look.peakHold = s.PeakHold;
    look.unitX = shell.units.unitX;
    look.unitY = shell.units.unitY;
    return look;
}

const char* CantDisplayText() {
    return shell.japaneseMode ? ja::kMeterCantDisplay : LoadText(IDS_CANT_DISPLAY_LEVEL);
}

// The box goes through the message module, so tests capture it.
void ShowWarningBox(const LevelWarning& warning, BoxOwner owner) {
    BoxIcon icon = warning.icon == WarningIcon::Warning       ? BoxIcon::Warning
                   : warning.icon == WarningIcon::Information ? BoxIcon::Information
                                                              : BoxIcon::None;
    ShowMessageBox({warning.text, warning.caption, icon, owner});
}

}  // namespace

void ResetLevelMeter() {
    meterState.maxLevel = 0;
    meterState.overCount = 0;
}

void ResetHeldPeaks() {
    meterState.heldPeak[0] = meterState.heldPeak[1] = 0;
}

void SetInitialScanStep(uint32_t sampleRate, int channels) {
    StartScanStep(meterState, InitialScanStep(sampleRate, channels == 2));
}

void DrawLevels(HDC dc, int bufferIndex, uint32_t length) {
    if (bufferIndex < 0 || bufferIndex >= kMaxBufferCount) return;
    const uint8_t* data = engine.buffer[bufferIndex];
    if (data == nullptr) return;
    MeterInputs in;
    in.look = CurrentLook();
    in.layout = formatState.layout;
    in.processable = formatState.tag == kTagPcm || acm.stream != nullptr;
    in.oneTimeLength = engine.oneTimeLength;
    in.levelwarning = shell.settings.levelwarning != 0;
    if (!in.processable) in.cantDisplayText = CantDisplayText();
    meterList.Clear();
    MeterBuffer(meterList, meterState, in, data, length);
    PaintDrawList(dc, meterList);
}

void AdaptScanStep(DWORD startTime) {
    ScanTiming timing;
    timing.monitorRun = engine.mode == kEngineMonitor;
    timing.deltatime = shell.settings.deltatime;
    timing.rateKhz = formatState.rateKhz;
    timing.playingRate = shell.playingRate;
    timing.tag = formatState.tag;
    AdaptStep(meterState, timing, startTime, timeGetTime());
}

void ShowLevelWarning(bool withoutOwner) {
    const bool sixteenBit = (formatState.layout & 1) != 0;
    LevelWarning warning =
        BuildLevelWarning(WarningDecibels(meterState.maxLevel, sixteenBit), meterState.overCount,
                          shell.japaneseMode, shell.settings.useclip != 0);
    ShowWarningBox(warning, withoutOwner ? BoxOwner::None : BoxOwner::MainWindow);
}

void DrawChannelLabels(HDC dc) {
    ChannelLabelInputs in;
    in.engineMode = engine.mode;
    in.layout = formatState.layout;
    in.japanese = shell.japaneseMode;
    in.newStyleShell = shell.NewStyleShell();
    in.units = shell.units;
    DrawList list;
    DrawChannelLabelOps(list, in);
    PaintDrawList(dc, list);
}

}  // namespace lomvex
