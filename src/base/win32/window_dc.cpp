// Window display context with the OEM font.
#include "base/win32/window_dc.h"

namespace lomvex {

WindowDc::WindowDc(HWND window, bool lightOnDark) : window_(window), dc_(GetDC(window)) {
    if (lightOnDark) {
        SetTextColor(dc_, RGB(255, 255, 255));
        SetBkColor(dc_, RGB(0, 0, 0));
    }
    previousFont_ = SelectObject(dc_, GetStockObject(OEM_FIXED_FONT));
}

WindowDc::~WindowDc() {
    SelectObject(dc_, previousFont_);
    ReleaseDC(window_, dc_);
}

}  // namespace lomvex
