// The level meter on the main window: the engine's per-buffer calls, the
// channel labels and the level warning box.
// The compression manager's header needs these first, in this order.
// clang-format off
#include <windows.h>
#include <mmsystem.h>
#include <mmreg.h>
// clang-format on

#include "audiofile/win32/sound_decoder.h"
#include "display/display_texts.h"
#include "audiofile/format_state.h"
#include "display/level_meter.h"
#include "display/win32/draw_list_painter.h"
#include "display/win32/run_display.h"
#include "display/win32/status_panel.h"
#include "dsp/rate_model.h"
#include "base/messages.h"
#include "base/win32/message_box_sink.h"
#include "resources/ids.h"
#include "base/format_tags.h"
#include "base/program_state.h"
#include "base/run_state.h"

namespace lomvex {
namespace {

// Reused for every buffer, so metering allocates nothing once it runs.
DrawList meterList;

MeterLook CurrentLook() {
    const Settings& s = program.settings;
    MeterLook look;
    look.decibel = s.display != 0;
    look.smooth = s.smooth != 0;
    look.monochrome = s.monochrome != 0;
    look.peakHold = s.PeakHold;
    look.unitX = program.units.unitX;
    look.unitY = program.units.unitY;
    return look;
}

const char* CantDisplayText() {
    return program.japaneseMode ? ja::kMeterCantDisplay : LoadText(IDS_CANT_DISPLAY_LEVEL);
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

void DrawLevels(HDC dc, const uint8_t* data, uint32_t length, bool paint) {
    if (data == nullptr) return;
    MeterInputs in;
    in.look = CurrentLook();
    in.layout = formatState.layout;
    in.processable = formatState.tag == kTagPcm || IsDecoding();
    in.oneTimeLength = run.oneTimeLength;
    in.levelwarning = program.settings.levelwarning != 0;
    if (!in.processable) in.cantDisplayText = CantDisplayText();
    meterList.Clear();
    MeterBuffer(meterList, meterState, in, data, length);
    if (paint) PaintDrawList(dc, meterList);
}

void AdaptScanStep(DWORD startTime) {
    ScanTiming timing;
    timing.monitorRun = run.mode == kEngineMonitor;
    timing.deltatime = program.settings.deltatime;
    timing.rateKhz = formatState.rateKhz;
    timing.playingRate = DeviceRateSetting(program.playingRate, program.settings.keeptempo != 0);
    timing.tag = formatState.tag;
    AdaptStep(meterState, timing, startTime, timeGetTime());
}

void ShowLevelWarning(bool withoutOwner) {
    const bool sixteenBit = (formatState.layout & 1) != 0;
    LevelWarning warning =
        BuildLevelWarning(WarningDecibels(meterState.maxLevel, sixteenBit), meterState.overCount,
                          program.japaneseMode, program.settings.useclip != 0);
    ShowWarningBox(warning, withoutOwner ? BoxOwner::None : BoxOwner::MainWindow);
}

void DrawChannelLabels(HDC dc) {
    ChannelLabelInputs in;
    in.engineMode = run.mode;
    in.layout = formatState.layout;
    in.japanese = program.japaneseMode;
    in.newStyleShell = program.NewStyleShell();
    in.units = program.units;
    DrawList list;
    DrawChannelLabelOps(list, in);
    PaintDrawList(dc, list);
}

}  // namespace lomvex
