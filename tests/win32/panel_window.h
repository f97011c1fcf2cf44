// A top-level test window that stands in for the main window, so the
// control panel can be created on it in-process.
#pragma once

#include <windows.h>

#include "shell/win32/main_window.h"

namespace lomvex::testing {

inline void RegisterPanelWindowClass(const char* className, ::WNDPROC procedure) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = className;
    RegisterClassA(&windowClass);
}

// Creates the window and makes it the program's main window.
inline HWND MakePanelWindow(const char* className, const char* title, HMENU menu = nullptr) {
    instanceHandle = GetModuleHandleA(nullptr);
    mainWindow = CreateWindowA(className, title, WS_OVERLAPPEDWINDOW, 0, 0, 400, 500, nullptr,
                               menu, instanceHandle, nullptr);
    return mainWindow;
}

}  // namespace lomvex::testing
