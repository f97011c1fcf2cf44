// The main window's handle.
#include "base/win32/main_window_handle.h"

namespace lomvex {

HINSTANCE instanceHandle;
HWND mainWindow;

}  // namespace lomvex
