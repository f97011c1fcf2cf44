// The status panel on the main window.
#include "display/win32/status_panel.h"

#include "audiofile/format_state.h"
#include "display/status_panel.h"
#include "display/win32/draw_list_painter.h"
#include "display/win32/run_display.h"
#include "base/program_state.h"
#include "base/run_state.h"
#include "base/win32/main_window_handle.h"
#include "base/win32/window_dc.h"

namespace lomvex {
namespace {

// Reused by the per-buffer elapsed text.
DrawList statusList;

RunFacts CurrentRun() {
    RunFacts facts;
    facts.playing = run.playing;
    facts.monitorMode = run.mode == kEngineMonitor;
    facts.bytes = run.bytesPlayed;
    return facts;
}

}  // namespace

void DrawRateText(HDC dc) {
    DrawList list;
    RateTextOps(list, program.units, formatState);
    PaintDrawList(dc, list);
}

void DrawElapsedText(HDC dc) {
    statusList.Clear();
    ElapsedTextOps(statusList, program.units, formatState, CurrentRun());
    PaintDrawList(dc, statusList);
}

void DrawLengthText(HDC dc) {
    DrawList list;
    LengthTextOps(list, program.units, formatState, run.mode == kEngineMonitor,
                  statusState.dataSize);
    PaintDrawList(dc, list);
}

void PaintFormat() {
    WindowDc dc(mainWindow);
    DrawList list;
    FormatOpenedOps(list, program.units, program.darkScheme, formatState, CurrentRun());
    PaintDrawList(dc.get(), list);
}

void ShowLength(uint32_t dataSize) {
    statusState.dataSize = dataSize;
    {
        WindowDc dc(mainWindow);
        DrawList list;
        SchemeColourOps(list, program.darkScheme);
        LengthTextOps(list, program.units, formatState, run.mode == kEngineMonitor, dataSize);
        PaintDrawList(dc.get(), list);
    }
    // The labels find the window's own font selected, as when it paints.
    HDC dc = GetDC(mainWindow);
    DrawChannelLabels(dc);
    ReleaseDC(mainWindow, dc);
}

}  // namespace lomvex
