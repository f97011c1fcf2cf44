// The Wave information dialog ("INFOBOX") and, through its Detail button,
// the Wave detail dialog ("INFODETAIL") for the current file.
#pragma once

#include <windows.h>

namespace lomvex {

// Shows the information of the most recently opened file, then the detail
// dialog when the user asks for it.
void RunInfoDialogs();

INT_PTR CALLBACK INFOBOX(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK INFODETAIL(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace lomvex
