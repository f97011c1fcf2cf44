// The position bar (id 556): a horizontal scrollbar below the level meter
// whose thumb follows the playing position in tenths of a second and whose
// arrows, trough and thumb move it.
#pragma once

#include <windows.h>

namespace lomvex {

// Creates the bar, disabled, below the control panel; false when it cannot
// be created.
bool CreatePositionBar();
// Follows the layout units (with LayoutMainWindow).
void MovePositionBar();
// Range, thumb and enabled state from the open song and the run.
void UpdatePositionBar();
// A WM_HSCROLL of the bar; false when `scrollbar` is another control.
bool OnPositionScroll(HWND scrollbar, int code, int position);
// Loop Start, Loop End, Loop (on and off) and Clear Loop.
void OnLoopCommand(int id);
// Ctrl+Left, Ctrl+Right (`delta` tenths) and Ctrl+Home (`toStart`).
void JumpPlayPosition(int delta, bool toStart);

}  // namespace lomvex
