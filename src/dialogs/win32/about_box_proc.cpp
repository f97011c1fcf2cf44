// The About box procedure.
#include "dialogs/win32/about_box_proc.h"

#include <mmsystem.h>

#include "base/program_state.h"
#include "base/win32/main_window_handle.h"
#include "dialogs/about_box.h"
#include "dialogs/win32/dialog_look.h"
#include "dialogs/win32/dialog_texts_binding.h"

namespace lomvex {

void RunAboutBox() { DialogBoxParamA(instanceHandle, "ABOUT", mainWindow, ABOUTBOX, 0); }

INT_PTR CALLBACK ABOUTBOX(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            InitDialog3dLook(dialog, nullptr);
            SetWindowTextA(dialog, AboutCaption());
            // Counted now: devices may have come or gone since start-up.
            SetControlTexts(dialog, AboutBoxTexts(program.japaneseMode, program.settings.useclip != 0,
                                                  waveInGetNumDevs(), waveOutGetNumDevs()));
            return TRUE;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) EndDialog(dialog, 1);
            return TRUE;
        case WM_SYSCOMMAND:
            if (wParam == kDialog3dCommand) {
                ToggleDialog3dLook(dialog, nullptr);
                return TRUE;
            }
            return FALSE;
        default:
            return FALSE;
    }
}

}  // namespace lomvex
