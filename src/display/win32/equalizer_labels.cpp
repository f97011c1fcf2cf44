// The equalizer panel's texts on the main window.
#include "display/win32/equalizer_labels.h"

#include <cstdio>
#include <cstring>

#include "display/band_panel.h"
#include "display/format_state.h"
#include "display/win32/draw_list_painter.h"
#include "resources/ids.h"
#include "shell/control_state.h"
#include "shell/shell_state.h"
#include "shell/shell_texts.h"
#include "shell/win32/control_panel.h"
#include "shell/win32/main_window.h"

namespace lomvex {
namespace {

HWND BarWindow(int bar) {
    return controls.bars[bar];
}

bool GraphicMode() {
    return shell.settings.fftmode == kFftModeGraphic;
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
            BarLabelText(formatState.rateKhz, shell.settings.fftparam, j, shell.japaneseMode);
        SetWindowTextA(label, text.c_str());
        if (GraphicMode()) InvalidateRect(BarWindow(j), nullptr, TRUE);
    }
}

void ShowBandInfo(int bar) {
    if (bar < 0 || bar >= kBarCount) return;
    BandInfoInputs in;
    in.units = shell.units;
    in.dark = shell.darkScheme;
    in.japanese = shell.japaneseMode;
    in.rateKhz = formatState.rateKhz;
    in.fftparam = shell.settings.fftparam;
    DrawList list;
    BandInfoOps(list, in, bar, shell.settings.eq[bar]);
    PaintOnMainWindow(list);
}

void ResetBars() {
    for (int j = 0; j < kBarCount; ++j) {
        shell.settings.eq[j] = 0;
        HWND bar = BarWindow(j);
        if (bar == nullptr) continue;
        SetScrollPos(bar, SB_CTL, 0, TRUE);
        // The bar's own text names its gain; it follows the reset.
        char text[64];
        std::snprintf(text, sizeof text, kBarZeroGainFormat, j + 1, 0);
        SetWindowTextA(bar, text);
    }
    EnableWindow(BarWindow(0), shell.settings.fftparam > 9);
    EnableWindow(BarWindow(2), shell.settings.fftparam > 8);
    if (!shell.NewStyleShell()) {
        InvalidateRect(BarWindow(0), nullptr, TRUE);
        InvalidateRect(BarWindow(2), nullptr, TRUE);
    }
    if (GraphicMode()) {
        DrawList list;
        ResetGainOps(list, shell.units, shell.darkScheme);
        PaintOnMainWindow(list);
    }
}

std::string BuildClipboardText(int index) {
    if (index < 0 || index >= kBarCount)
        return BalanceClipboardText(controlState.channel.balance, shell.japaneseMode);
    return BarClipboardText(formatState.rateKhz, shell.settings.fftparam, index,
                            shell.settings.eq[index], shell.japaneseMode);
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
