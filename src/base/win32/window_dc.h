// A window's display context for the length of one drawing, with the
// system's fixed OEM font selected (and light on dark when asked), restored
// and released when it goes out of scope.
#pragma once

#include <windows.h>

namespace lomvex {

class WindowDc {
   public:
    // `lightOnDark`: white text on a black background (the dark scheme).
    explicit WindowDc(HWND window, bool lightOnDark = false);
    ~WindowDc();
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC get() const { return dc_; }

   private:
    HWND window_;
    HDC dc_;
    HGDIOBJ previousFont_;
};

}  // namespace lomvex
