// The shared dialog 3D look.
#include "dialogs/win32/dialog_look.h"

#include "base/program_state.h"
#include "base/win32/main_window_handle.h"
#include "dialogs/dialog_texts.h"

namespace lomvex {
namespace {

void ApplyStyle(HWND dialog) {
    LONG_PTR style = GetWindowLongPtrA(dialog, GWL_STYLE);
    style = program.settings.dialog3d ? (style | DS_3DLOOK) : (style & ~static_cast<LONG_PTR>(DS_3DLOOK));
    SetWindowLongPtrA(dialog, GWL_STYLE, style);
}

void UpdateCheck(HWND dialog) {
    CheckMenuItem(GetSystemMenu(dialog, FALSE), kDialog3dCommand,
                  MF_BYCOMMAND | (program.settings.dialog3d ? MF_CHECKED : MF_UNCHECKED));
}

}  // namespace

void InitDialog3dLook(HWND dialog, Dialog3dHook hook) {
    if (!program.NewStyleShell()) return;
    ApplyStyle(dialog);
    if (hook) hook(dialog);
    HMENU menu = GetSystemMenu(dialog, FALSE);
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, kDialog3dCommand,
                program.japaneseMode ? ja::kThreeDimension : kThreeDimension);
    UpdateCheck(dialog);
}

void ToggleDialog3dLook(HWND dialog, Dialog3dHook hook) {
    program.settings.dialog3d = !program.settings.dialog3d;
    ApplyStyle(dialog);
    if (hook) hook(dialog);
    RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    UpdateCheck(dialog);
    PostMessageA(mainWindow, WM_SYSCOLORCHANGE, 0, 0);
    InvalidateRect(mainWindow, nullptr, FALSE);
}

}  // namespace lomvex
