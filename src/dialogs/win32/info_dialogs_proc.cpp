// The Wave information and Wave detail dialog procedures.
#include "dialogs/win32/info_dialogs_proc.h"

#include <memory>
#include <string>

#include "audiofile/format_state.h"
#include "audiofile/win32/acm_binding.h"
#include "audiofile/win32/mmio_riff_file.h"
#include "base/program_state.h"
#include "base/win32/main_window_handle.h"
#include "dialogs/wave_detail.h"
#include "dialogs/wave_info.h"
#include "dialogs/win32/dialog_look.h"
#include "dialogs/win32/dialog_texts_binding.h"
#include "display/status_panel.h"

namespace lomvex {
namespace {

constexpr int kDumpBoxId = 189;
constexpr int kDumpBoxWidth = 150;  // pixels, besides its scroll bar

WaveDetailInputs DetailInputs() {
    WaveDetailInputs in;
    in.japanese = program.japaneseMode;
    in.useclip = program.settings.useclip != 0;
    WIN32_FILE_ATTRIBUTE_DATA attributes;
    if (GetFileAttributesExA(program.currentPath.c_str(), GetFileExInfoStandard, &attributes) &&
        !(attributes.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
        in.fileSizeKnown = true;
        in.fileSize = (static_cast<uint64_t>(attributes.nFileSizeHigh) << 32) | attributes.nFileSizeLow;
    }
    in.lookupTagName = AcmFormatTagName;
    return in;
}

// Widens the dialog by a read-only text box beside the fields, holding the
// parsers' dump.
void AddDumpBox(HWND dialog, const std::string& dump) {
    RECT client, window;
    GetClientRect(dialog, &client);
    GetWindowRect(dialog, &window);
    RECT ok;
    GetWindowRect(GetDlgItem(dialog, IDOK), &ok);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&ok), 2);
    const int width = kDumpBoxWidth + GetSystemMetrics(SM_CXVSCROLL);
    const int margin = 6;
    HWND box = CreateWindowExA(0, "edit", "",
                               WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | ES_MULTILINE |
                                   ES_READONLY | ES_AUTOVSCROLL,
                               client.right, margin, width, ok.top - 2 * margin, dialog,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(kDumpBoxId)),
                               instanceHandle, nullptr);
    SendMessageA(box, WM_SETFONT, SendMessageA(dialog, WM_GETFONT, 0, 0), FALSE);
    SetWindowTextA(box, dump.c_str());
    SetWindowPos(dialog, nullptr, 0, 0, window.right - window.left + width + margin,
                 window.bottom - window.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL InitDetail(HWND dialog) {
    InitDialog3dLook(dialog, nullptr);
    std::unique_ptr<RiffFile> file = MmioRiffFile::Open(program.currentPath);
    WaveDetail detail = DescribeWaveDetail(file.get(), DetailInputs());
    SetControlTexts(dialog, detail.texts);
    if (detail.showDump) AddDumpBox(dialog, detail.dump);
    return TRUE;
}

// System command 100 toggles the 3D look; every dialog here handles it so.
bool OnSysCommand(HWND dialog, WPARAM wParam) {
    if (wParam != kDialog3dCommand) return false;
    ToggleDialog3dLook(dialog, nullptr);
    return true;
}

}  // namespace

void RunInfoDialogs() {
    if (DialogBoxParamA(instanceHandle, "INFOBOX", mainWindow, INFOBOX, 0) == 1)
        DialogBoxParamA(instanceHandle, "INFODETAIL", mainWindow, INFODETAIL, 0);
}

INT_PTR CALLBACK INFOBOX(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            InitDialog3dLook(dialog, nullptr);
            SetControlTexts(dialog, WaveInfoTexts(formatState, statusState.dataSize,
                                                  program.japaneseMode,
                                                  program.settings.useclip != 0));
            SetFocus(GetDlgItem(dialog, IDOK));
            return FALSE;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) EndDialog(dialog, 0);
            if (LOWORD(wParam) == info_ids::kDetail) EndDialog(dialog, 1);
            return TRUE;
        case WM_SYSCOMMAND:
            return OnSysCommand(dialog, wParam);
        default:
            return FALSE;
    }
}

INT_PTR CALLBACK INFODETAIL(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            return InitDetail(dialog);
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) EndDialog(dialog, 1);
            return TRUE;
        case WM_SYSCOMMAND:
            return OnSysCommand(dialog, wParam);
        default:
            return FALSE;
    }
}

}  // namespace lomvex
