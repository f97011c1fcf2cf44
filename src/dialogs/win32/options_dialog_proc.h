// The Options dialog ("OPTION"): the playing rate and the tempo follow
// their scrollbars while the dialog is open (Cancel puts both back); every
// other setting changes only with OK.
#pragma once

#include <windows.h>

namespace lomvex {

// Runs the dialog modally over the main window; true after OK.
bool RunOptionsDialog();

INT_PTR CALLBACK OPTION(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace lomvex
