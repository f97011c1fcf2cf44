// The program instance and its main window. The shell sets both once, when
// it creates the window; the bindings draw on the window and give it their
// message boxes.
#pragma once

#include <windows.h>

namespace lomvex {

extern HINSTANCE instanceHandle;
extern HWND mainWindow;

}  // namespace lomvex
