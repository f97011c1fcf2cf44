// The status panel on the main window.
#include "display/win32/status_panel.h"

#include "display/format_state.h"
#include "display/status_panel.h"
#include "display/win32/draw_list_painter.h"
#include "display/win32/equalizer_labels.h"
#include "display/win32/run_display.h"
#include "engine/win32/engine_state.h"
#include "shell/shell_state.h"
#include "shell/win32/main_window.h"

namespace lomvex {
namespace {

// Reused by the per-buffer elapsed text.
DrawList statusList;

RunFacts CurrentRun() {
    RunFacts run;
    run.playing = engine.playing;
    run.monitorMode = engine.mode == kEngineMonitor;
    run.bytes = engine.bytesPlayed;
    return run;
}

// The main window's context with the OEM fixed font, for one drawing.
class OemWindowDc {
   public:
    OemWindowDc() : dc_(GetDC(mainWindow)) {
        previousFont_ = SelectObject(dc_, GetStockObject(OEM_FIXED_FONT));
    }
    ~OemWindowDc() {
        SelectObject(dc_, previousFont_);
        ReleaseDC(mainWindow, dc_);
    }
    OemWindowDc(const OemWindowDc&) = delete;
    OemWindowDc& operator=(const OemWindowDc&) = delete;
    HDC get() const { return dc_; }

   private:
    HDC dc_;
    HGDIOBJ previousFont_;
};

}  // namespace

void DrawRateText(HDC dc) {
    DrawList list;
    RateTextOps(list, shell.units, formatState);
    PaintDrawList(dc, list);
}

void DrawElapsedText(HDC dc) {
    statusList.Clear();
    ElapsedTextOps(statusList, shell.units, formatState, CurrentRun());
    PaintDrawList(dc, statusList);
}

void DrawLengthText(HDC dc) {
    DrawList list;
    LengthTextOps(list, shell.units, formatState, engine.mode == kEngineMonitor,
                  statusState.dataSize);
    PaintDrawList(dc, list);
}

void PaintFormat() {
    {
        OemWindowDc dc;
        DrawList list;
        FormatOpenedOps(list, shell.units, shell.darkScheme, formatState, CurrentRun());
        PaintDrawList(dc.get(), list);
    }
    RefreshBarLabels();
}

void ShowLength(uint32_t dataSize) {
    statusState.dataSize = dataSize;
    HDC dc = GetDC(mainWindow);
    HGDIOBJ previousFont = SelectObject(dc, GetStockObject(OEM_FIXED_FONT));
    DrawList list;
    SchemeColourOps(list, shell.darkScheme);
    LengthTextOps(list, shell.units, formatState, engine.mode == kEngineMonitor, dataSize);
    PaintDrawList(dc, list);
    // The labels find the window's own font selected, as when it paints.
    SelectObject(dc, previousFont);
    DrawChannelLabels(dc);
    ReleaseDC(mainWindow, dc);
}

}  // namespace lomvex
