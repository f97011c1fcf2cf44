// The position bar's window and its scroll handling.
#include "shell/win32/position_bar.h"

#include <algorithm>

#include "base/program_state.h"
#include "base/run_state.h"
#include "engine/win32/play_jump.h"
#include "engine/win32/play_loop.h"
#include "shell/win32/localize_menu.h"
#include "engine/win32/save_output.h"
#include "resources/ids.h"
#include "shell/position_bar_rules.h"
#include "shell/win32/control_panel.h"
#include "shell/shell_texts.h"
#include "shell/win32/main_window.h"

namespace lomvex {
namespace {

HWND positionBar = nullptr;
// A dark strip under the bar's trough between the loop's two ends.
HWND loopStrip = nullptr;
// While the thumb is dragged it shows the dragged place, not the playing one.
bool dragging = false;

// What the loop strip and the loop's menu items last showed. The bar is
// updated after every buffer played; they change only with the loop, the
// song or what the bar allows.
struct LoopShown {
    LoopRange loop;
    int length = -1;
    bool enabled = false;
    bool operator==(const LoopShown& o) const {
        return loop.start == o.loop.start && loop.end == o.loop.end && loop.on == o.loop.on &&
               length == o.length && enabled == o.enabled;
    }
};
LoopShown loopShown;

void SetBarRect(HWND bar) {
    const ControlRect r = PositionBarRect(program.units);
    MoveWindow(bar, r.x, r.y, r.width, r.height, TRUE);
}

// The x of position `tenths` under the middle of the thumb, in the main
// window's client coordinates.
int TroughX(const ControlRect& bar, int tenths, int length) {
    const int arrow = GetSystemMetrics(SM_CXHSCROLL);
    const int thumb = GetSystemMetrics(SM_CXHTHUMB);
    const int span = bar.width - 2 * arrow - thumb;
    if (length <= 0 || span <= 0) return bar.x + arrow + thumb / 2;
    return bar.x + arrow + thumb / 2 +
           static_cast<int>(static_cast<long long>(span) * tenths / length);
}

// The strip spans Start to End (a short mark at Start while End is unset),
// hidden without a loop.
void PlaceLoopStrip() {
    if (loopStrip == nullptr) return;
    const LoopRange& loop = PlayLoop();
    const int length = SongTenths();
    if (loop.start < 0 || length <= 0) {
        ShowWindow(loopStrip, SW_HIDE);
        return;
    }
    const ControlRect bar = PositionBarRect(program.units);
    const int left = TroughX(bar, loop.start, length);
    const int right = loop.end > loop.start ? TroughX(bar, loop.end, length) : left + 2;
    // In the margin below the bar: taller while the loop plays.
    const int height = loop.Plays() ? 3 * program.units.unitY / 4 : program.units.unitY / 3;
    MoveWindow(loopStrip, left, bar.y + bar.height + 1, std::max(right - left, 2),
               std::max(height, 2), TRUE);
    ShowWindow(loopStrip, SW_SHOWNA);
}

void UpdateLoopItems(bool enabled) {
    const UINT state = enabled ? MF_ENABLED : MF_GRAYED;
    for (int id = IDM_LOOP_START; id <= IDM_LOOP_CLEAR; ++id)
        EnableMenuItem(mainMenu, static_cast<UINT>(id), MF_BYCOMMAND | state);
    CheckMenuItem(mainMenu, IDM_LOOP, MF_BYCOMMAND | (PlayLoop().on ? MF_CHECKED : MF_UNCHECKED));
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
    SubclassControl(positionBar);  // Tab and Shift+Tab, F1, as on the other bars
    SetScrollRange(positionBar, SB_CTL, 0, 0, FALSE);
    loopStrip = CreateWindowA("STATIC", "", WS_CHILD | SS_BLACKRECT, 0, 0, 0, 0, mainWindow,
                              nullptr, GetModuleHandleA(nullptr), nullptr);
    return true;
}

void MovePositionBar() {
    if (positionBar != nullptr) SetBarRect(positionBar);
    PlaceLoopStrip();
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
    const LoopShown now{PlayLoop(), length, enabled};
    if (now == loopShown) return;
    loopShown = now;
    UpdateLoopItems(enabled);
    PlaceLoopStrip();
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

void OnLoopCommand(int id) {
    if (run.mode != kEnginePlay || SaveRunning()) return;
    LoopRange& loop = PlayLoop();
    switch (id) {
        case IDM_LOOP_START:
            SetLoopStart(loop, PlayPositionTenths());
            break;
        case IDM_LOOP_END:
            SetLoopEnd(loop, PlayPositionTenths());
            break;
        case IDM_LOOP:
            loop.on = !loop.on;
            break;
        default:
            ClearPlayLoop();
            break;
    }
    // A loop that now plays behind the position takes playing back to Start.
    const int now = PlayPositionTenths();
    if (PositionInLoop(loop, now) != now) MovePlayPosition(now);
    UpdatePositionBar();
}

void JumpPlayPosition(int delta, bool toStart) {
    if (run.mode != kEnginePlay || SaveRunning()) return;
    MovePlayPosition(toStart ? 0 : PlayPositionTenths() + delta);
    UpdatePositionBar();
}

}  // namespace lomvex
