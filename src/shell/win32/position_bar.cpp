// The position bar's window and its scroll handling.
#include "shell/win32/position_bar.h"

#include "base/program_state.h"
#include "base/run_state.h"
#include "engine/win32/play_jump.h"
#include "engine/win32/save_output.h"
#include "resources/ids.h"
#include "shell/position_bar_rules.h"
#include "shell/shell_texts.h"
#include "shell/win32/main_window.h"

namespace lomvex {
namespace {

HWND positionBar = nullptr;
// While the thumb is dragged it shows the dragged place, not the playing one.
bool dragging = false;

void SetBarRect(HWND bar) {
    const ControlRect r = PositionBarRect(program.units);
    MoveWindow(bar, r.x, r.y, r.width, r.height, TRUE);
}

}  // namespace

bool CreatePositionBar() {
    const ControlRect r = PositionBarRect(program.units);
    DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_DISABLED | SBS_HORZ;
    if (program.NewStyleShell()) style |= WS_BORDER;
    positionBar =
        CreateWindowA("SCROLLBAR", kPositionBarWindowText, style, r.x, r.y, r.width, r.height,
                      mainWindow, reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_POSITION)),
                      GetModuleHandleA(nullptr), nullptr);
    if (positionBar == nullptr) return false;
    SetScrollRange(positionBar, SB_CTL, 0, 0, FALSE);
    return true;
}

void MovePositionBar() {
    if (positionBar != nullptr) SetBarRect(positionBar);
}

void UpdatePositionBar() {
    if (positionBar == nullptr) return;
    const int length = SongTenths();
    const bool enabled = PositionBarEnabled(run.mode, SaveRunning(), length);
    if ((IsWindowEnabled(positionBar) != FALSE) != enabled) EnableWindow(positionBar, enabled);
    int low = 0, high = 0;
    GetScrollRange(positionBar, SB_CTL, &low, &high);
    if (high != length) SetScrollRange(positionBar, SB_CTL, 0, length, FALSE);
    if (!dragging) SetScrollPos(positionBar, SB_CTL, PlayPositionTenths(), TRUE);
}

bool OnPositionScroll(HWND scrollbar, int code, int position) {
    if (scrollbar == nullptr || scrollbar != positionBar) return false;
    const int length = SongTenths();
    const int next = NextPlayPosition(PlayPositionTenths(), code, position, length);
    dragging = code == SB_THUMBTRACK;
    if (dragging) {
        SetScrollPos(positionBar, SB_CTL, next, TRUE);
        return true;
    }
    if (ScrollMovesPosition(code)) MovePlayPosition(next);
    UpdatePositionBar();
    return true;
}

void JumpPlayPosition(int delta, bool toStart) {
    if (run.mode != kEnginePlay || SaveRunning()) return;
    MovePlayPosition(toStart ? 0 : PlayPositionTenths() + delta);
    UpdatePositionBar();
}

}  // namespace lomvex
