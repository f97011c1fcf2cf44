// The main window's display context for the length of one buffer handler:
// light on dark when the colour scheme asks for it, the OEM fixed font.
#pragma once

#include <windows.h>

namespace lomvex {

class MainWindowDc {
   public:
    MainWindowDc();
    ~MainWindowDc();
    MainWindowDc(const MainWindowDc&) = delete;
    MainWindowDc& operator=(const MainWindowDc&) = delete;
    HDC get() const { return dc_; }

   private:
    HDC dc_;
    HGDIOBJ previousFont_;
};

}  // namespace lomvex
