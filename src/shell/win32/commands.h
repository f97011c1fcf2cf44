// The commands of the main window: menu items, buttons, the control
// column's radio buttons and check boxes, shortcuts and dropped files.
#pragma once

#include <windows.h>
#include <shellapi.h>

namespace lomvex {

// WM_COMMAND: id and notification code from wParam, the control from lParam.
void OnCommand(int id, HWND control, int notification);
// Files dropped on the main window or on a control: the first one opens.
void OnDropFiles(HDROP drop);
// Opens the current path for playing (engine mode 1); its result.
bool OpenForPlay();
// Opens the record port for monitoring (engine mode 2); its result.
bool OpenForRecord();
// The window title from the current path.
void UpdateTitle();

}  // namespace lomvex
