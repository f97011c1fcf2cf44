// The controls' shared keyboard, focus and drop handling.
#include "shell/win32/control_proc.h"

#include <shellapi.h>

#include <string>

#include "display/control_keys.h"
#include "shell/win32/equalizer_labels.h"
#include "resources/ids.h"
#include "dsp/control_state.h"
#include "base/program_state.h"
#include "shell/win32/commands.h"
#include "shell/win32/main_window.h"

namespace lomvex {
namespace {

constexpr int kMaxWindowText = 260;

bool IsBar(int id) {
    return id >= IDC_BAR_FIRST && id <= IDC_BAR_LAST;
}
bool IsRadio(int id) {
    return id >= IDC_CHANNEL_NOTHING && id <= IDC_CHANNEL_MINUS_ONE;
}
bool IsField(int id) {
    return id >= IDC_FIELD_FIRST && id <= IDC_FIELD_LAST;
}

FocusFacts CurrentFocusFacts() {
    FocusFacts facts;
    facts.fftmode = program.settings.fftmode;
    facts.fftparam = program.settings.fftparam;
    facts.radio = controlState.channel.operation;
    for (int id = kFirstControlId; id <= kLastControlId; ++id) {
        HWND window = GetDlgItem(mainWindow, id);
        facts.SetEnabled(id, window != nullptr && IsWindowEnabled(window));
    }
    HWND position = GetDlgItem(mainWindow, IDC_POSITION);
    facts.positionBar = position != nullptr && IsWindowEnabled(position);
    return facts;
}

void MoveFocus(int id, bool backward) {
    int target = FocusTarget(id, backward, CurrentFocusFacts());
    if (target == 0) return;
    HWND window = GetDlgItem(mainWindow, target);
    if (window) SetFocus(window);
}

// The radio button selects itself through its own Space handling; the
// focus goes with it, so that the next arrow steps on from there.
void StepRadio(int id, bool down) {
    HWND radio = GetDlgItem(mainWindow, SteppedRadio(id, down));
    if (radio == nullptr) return;
    SetFocus(radio);
    SendMessageA(radio, WM_KEYDOWN, VK_SPACE, 0x00390001);
    SendMessageA(radio, WM_KEYUP, VK_SPACE, static_cast<LPARAM>(0xC0390001u));
}

std::string CopyText(HWND control, int id) {
    if (IsBar(id)) return BuildClipboardText(id - IDC_BAR_FIRST);
    if (id == IDC_BALANCE) return BuildClipboardText(-1);
    char text[kMaxWindowText + 1] = {};
    GetWindowTextA(control, text, sizeof text);
    return text;
}

}  // namespace

LRESULT HandleControlMessage(HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                             ::WNDPROC previous) {
    const int id = GetDlgCtrlID(control);
    switch (message) {
        case WM_SETFOCUS:
            if (IsBar(id)) ShowBandInfo(id - IDC_BAR_FIRST);
            break;
        case WM_KEYDOWN:
            if (wParam == VK_F1) {
                SendMessageA(mainWindow, WM_COMMAND, IDM_HELP, 0);
                return 0;
            }
            if ((wParam == VK_UP || wParam == VK_DOWN) && IsRadio(id)) {
                StepRadio(id, wParam == VK_DOWN);
                return 0;
            }
            if (wParam == VK_TAB) {
                MoveFocus(id, GetKeyState(VK_SHIFT) < 0);
                return 0;
            }
            break;
        case WM_CHAR:
            if (wParam == '\t' && IsField(id)) return 0;
            if (program.settings.useclip && IsCopyCharacter(static_cast<unsigned>(wParam))) {
                CopyTextToClipboard(CopyText(control, id));
                return 0;
            }
            break;
        case WM_DROPFILES:
            OnDropFiles(reinterpret_cast<HDROP>(wParam));
            return 0;
        default:
            break;
    }
    if (previous == nullptr) return DefWindowProcA(control, message, wParam, lParam);
    return CallWindowProcA(previous, control, message, wParam, lParam);
}

}  // namespace lomvex
