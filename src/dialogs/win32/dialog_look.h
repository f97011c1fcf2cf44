// The 3D look that every dialog of the program shares on a new-style
// shell: the DS_3DLOOK style follows the `dialog3d` setting, and the
// dialog's system menu carries the "&Three dimension" item (id 100) that
// toggles it.
#pragma once

#include <windows.h>

namespace lomvex {

constexpr UINT kDialog3dCommand = 100;

// Run after a dialog's 3D look changes (the Options dialog re-creates its
// scrollbars); null for dialogs without one.
using Dialog3dHook = void (*)(HWND dialog);

// At WM_INITDIALOG: applies the style, runs the hook, adds the menu item.
void InitDialog3dLook(HWND dialog, Dialog3dHook hook);
// At WM_SYSCOMMAND 100: inverts the setting and redraws the dialog and the
// main window in the new look.
void ToggleDialog3dLook(HWND dialog, Dialog3dHook hook);

}  // namespace lomvex
