// The equalizer panel's texts on the main window.
#include "shell/win32/equalizer_labels.h"

#include <cstdio>
#include <cstring>

#include "display/band_panel.h"
#include "audiofile/format_state.h"
#include "display/win32/draw_list_painter.h"
#include "resources/ids.h"
#include "dsp/control_state.h"
#include "base/program_state.h"
#include "shell/equalizer_mode.h"
#include "shell/shell_texts.h"
#include "shell/win32/control_panel.h"
#include "shell/win32/main_window.h"

namespace lomvex {
namespace {

HWND BarWindow(int bar) {
    return controls.bars[bar];
}

bool GraphicMode() {
    return program.settings.fftmode == kFftModeGraphic;
}

// Paints `list` on the main window with the OEM fixed font selected.
void PaintOnMainWindow(const DrawList& list) {
    HDC dc = GetDC(mainWindow);
    HGDIOBJ previousFont = SelectObject(dc, GetStockObject(OEM_FIXED_FONT));
    PaintDrawList(dc, list);
    SelectObject(dc, previousFont);
    ReleaseDC(mainWindow, dc);
}

}  // namespace

void RefreshBarLabels() {
    for (int j = 0; j < kBarCount; ++j) {
        HWND label = controls.barLabels[j];
        if (label == nullptr) continue;
        std::string text =
            BarLabelText(formatState.rateKhz, program.settings.fftparam, j, program.japaneseMode);
        SetWindowTextA(label, text.c_str());
        if (GraphicMode()) InvalidateRect(BarWindow(j), nullptr, TRUE);
    }
}

void ShowBandInfo(int bar) {
    if (bar < 0 || bar >= kBarCount) return;
    BandInfoInputs in;
    in.units = program.units;
    in.dark = program.darkScheme;
    in.japanese = program.japaneseMode;
    in.rateKhz = formatState.rateKhz;
    in.fftparam = program.settings.fftparam;
    DrawList list;
    BandInfoOps(list, in, bar, program.settings.eq[bar]);
    PaintOnMainWindow(list);
}

void ResetBars() {
    for (int j = 0; j < kBarCount; ++j) {
        program.settings.eq[j] = 0;
        HWND bar = BarWindow(j);
        if (bar == nullptr) continue;
        SetScrollPos(bar, SB_CTL, 0, TRUE);
        // The bar's own text names its gain; it follows the reset.
        char text[64];
        std::snprintf(text, sizeof text, kBarZeroGainFormat, j + 1, 0);
        SetWindowTextA(bar, text);
    }
    // Which bars are usable is the equalizer mode's rule alone.
    const EqualizerModeView view =
        DecideEqualizerMode(program.settings.fftmode, program.settings.fftparam);
    for (int j = 0; j < kBarCount; ++j)
        if (view.bars[j].enabled) EnableWindow(BarWindow(j), *view.bars[j].enabled);
    if (!program.NewStyleShell()) {
        InvalidateRect(BarWindow(0), nullptr, TRUE);
        InvalidateRect(BarWindow(2), nullptr, TRUE);
    }
    if (GraphicMode()) {
        DrawList list;
        ResetGainOps(list, program.units, program.darkScheme);
        PaintOnMainWindow(list);
    }
}

std::string BuildClipboardText(int index) {
    if (index < 0 || index >= kBarCount)
        return BalanceClipboardText(controlState.channel.balance, program.japaneseMode);
    return BarClipboardText(formatState.rateKhz, program.settings.fftparam, index,
                            program.settings.eq[index], program.japaneseMode);
}

void CopyTextToClipboard(const std::string& text) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, text.size() + 1);
    if (memory == nullptr) return;
    void* bytes = GlobalLock(memory);
    if (bytes == nullptr) {
        GlobalFree(memory);
        return;
    }
    std::memcpy(bytes, text.c_str(), text.size() + 1);
    GlobalUnlock(memory);
    if (!OpenClipboard(mainWindow)) {
        GlobalFree(memory);
        return;
    }
    EmptyClipboard();
    if (SetClipboardData(CF_TEXT, memory) == nullptr) GlobalFree(memory);
    CloseClipboard();
}

}  // namespace lomvex
