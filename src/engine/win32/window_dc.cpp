// Main window display context for the engine's handlers.
#include "engine/win32/window_dc.h"

#include "shell/shell_state.h"
#include "shell/win32/main_window.h"

namespace lomvex {

MainWindowDc::MainWindowDc() : dc_(GetDC(mainWindow)) {
    if (shell.darkScheme) {
        SetTextColor(dc_, RGB(255, 255, 255));
        SetBkColor(dc_, RGB(0, 0, 0));
    }
    previousFont_ = SelectObject(dc_, GetStockObject(OEM_FIXED_FONT));
}

MainWindowDc::~MainWindowDc() {
    SelectObject(dc_, previousFont_);
    ReleaseDC(mainWindow, dc_);
}

}  // namespace lomvex
