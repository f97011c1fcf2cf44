// The main window: class registration, start-up and its window procedure.
#pragma once

#include <windows.h>

namespace lomvex {

extern HINSTANCE instanceHandle;
extern HWND mainWindow;

bool RegisterMainClass(HINSTANCE instance);
// Reads the settings, works out the language and layout units and creates
// the main window. Shows its own message and returns false on failure.
bool CreateMainWindow(HINSTANCE instance, int showCommand);

LRESULT CALLBACK WNDPROC(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace lomvex
