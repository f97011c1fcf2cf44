// The main window: class registration, start-up and its window procedure.
#pragma once

#include <windows.h>

#include "base/win32/main_window_handle.h"

namespace lomvex {

bool RegisterMainClass(HINSTANCE instance);
// Reads the settings, works out the language and layout units and creates
// the main window. Shows its own message and returns false on failure.
bool CreateMainWindow(HINSTANCE instance, int showCommand);

// A key-down for a shortcut is sent to `window` as its command and
// consumed (true); other messages are left to the loop.
bool TranslateShortcutKey(HWND window, const MSG& message);

// The running system's own double-byte lead bytes: the name rules skip
// the trail bytes that follow them.
inline bool IsLeadByte(unsigned char byte) { return IsDBCSLeadByte(byte) != 0; }

LRESULT CALLBACK WNDPROC(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace lomvex
