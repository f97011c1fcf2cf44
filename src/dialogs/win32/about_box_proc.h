// The About box ("ABOUT"): name, version, word size, what the program is
// for, where its help is, and the wave devices present.
#pragma once

#include <windows.h>

namespace lomvex {

void RunAboutBox();

INT_PTR CALLBACK ABOUTBOX(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace lomvex
