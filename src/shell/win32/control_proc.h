// The behaviour shared by the main window's interactive controls (ids 508
// to 555): the control panel subclasses each of them and its subclass
// procedure hands every message here with the control's previous window
// procedure.
#pragma once

#include <windows.h>

namespace lomvex {

// Tab and Shift+Tab move the focus in the program's fixed order; Up and
// Down step the channel-operation radio buttons; F1 asks for Help; with
// `useclip` on, "C", "c" and Ctrl+C copy the control's value; dropped files
// open. A bar that gets the focus shows its band in the info panel.
// Everything else goes to `previous`.
LRESULT HandleControlMessage(HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                             ::WNDPROC previous);

}  // namespace lomvex
