// Command dispatch and the file name handling around the commands.
#include "shell/win32/commands.h"

#include <commdlg.h>

#include <string>

#include "audiofile/play_file.h"
#include "audiofile/reader_texts.h"
#include "audiofile/win32/acm_binding.h"
#include "audiofile/win32/play_file_binding.h"
#include "display/win32/equalizer_labels.h"
#include "display/win32/run_display.h"
#include "engine/messages.h"
#include "engine/win32/engine_state.h"
#include "engine/win32/playback.h"
#include "engine/win32/save_output.h"
#include "resources/ids.h"
#include "shell/control_state.h"
#include "shell/file_names.h"
#include "shell/shell_state.h"
#include "shell/win32/enabling_binding.h"
#include "shell/win32/main_window.h"

namespace lomvex {
namespace {

constexpr char kPauseText[] = "Pause";
constexpr char kContinueText[] = "Cont";

// The common dialog set-up shared by Open and Save: owned by the main
// window, filter index 1, the path and title buffers, no initial folder.
struct FileDialog {
    char path[MAX_PATH] = "";
    char title[256] = "";
    OPENFILENAMEA dialog = {};

    FileDialog(const char* filter, const char* caption, DWORD flags) {
        dialog.lStructSize = sizeof dialog;
        dialog.hwndOwner = mainWindow;
        dialog.lpstrFilter = filter;
        dialog.nFilterIndex = 1;
        dialog.lpstrFile = path;
        dialog.nMaxFile = sizeof path;
        dialog.lpstrFileTitle = title;
        dialog.nMaxFileTitle = sizeof title;
        dialog.lpstrTitle = caption;
        dialog.Flags = flags;
    }
};

void ShowOpenDialog() {
    CloseOpenFile();
    std::string spare = shell.currentPath;
    FileDialog open(OpenFilter(ProbeMp3Codec(), ProbeOggCodec(), shell.japaneseMode),
                    OpenDialogTitle(shell.japaneseMode), OFN_FILEMUSTEXIST | OFN_HIDEREADONLY);
    bool chosen = GetOpenFileNameA(&open.dialog);
    shell.currentPath = chosen ? open.path : spare;
    UpdateTitle();
    if (chosen) OpenForPlay();
}

void ShowSaveDialog() {
    std::string proposal = DefaultSaveName(shell.currentPath, FileTitle(shell.currentPath, IsLeadByte),
                                           shell.windowsVersion, IsLeadByte);
    FileDialog save(SaveFilter(shell.japaneseMode), SaveDialogTitle(shell.japaneseMode),
                    OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY);
    lstrcpynA(save.path, proposal.c_str(), sizeof save.path);
    if (GetSaveFileNameA(&save.dialog)) SaveProcessedOutput(save.path);
}

void ShowHelp() {
    char module[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, module, sizeof module);
    std::string help = HelpFilePath(module, shell.windowsVersion);
    ShellExecuteA(mainWindow, "open", help.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void SelectView(int id) {
    if (id == shell.viewItem) return;
    HMENU menu = GetMenu(mainWindow);
    CheckMenuItem(menu, shell.viewItem, MF_BYCOMMAND | MF_UNCHECKED);
    shell.viewItem = id;
    CheckMenuItem(menu, id, MF_BYCOMMAND | MF_CHECKED);
}

void Play() {
    engine.paused = false;
    ResetHeldPeaks();
    if (engine.mode == kEnginePlay) StartPlayback();
}

void SetPauseText(const char* text) { SetDlgItemTextA(mainWindow, IDM_PAUSE, text); }

void Stop() {
    if (SaveRunning()) {
        CancelSave();
        return;
    }
    if (engine.paused) {
        SetPauseText(kPauseText);
        engine.paused = false;
    }
    if (engine.mode == kEnginePlay) StopPlayback();
}

void TogglePause() {
    if (!engine.playing) return;
    if (!engine.paused) {
        SetPauseText(kContinueText);
        SetPlayPriority(false);
        PausePlayback(true);
        engine.paused = true;
        SetFocus(mainWindow);
        SetFocus(GetDlgItem(mainWindow, IDM_PAUSE));
    } else {
        SetPlayPriority(true);
        PausePlayback(false);
        SetPauseText(kPauseText);
        engine.paused = false;
    }
}

void SelectChannelOperation(int id) {
    CheckRadioButton(mainWindow, IDC_CHANNEL_NOTHING, IDC_CHANNEL_MINUS_ONE, id);
    controlState.channel.operation = id;
}

void StorePreset(int id) {
    bool checked = IsDlgButtonChecked(mainWindow, id) == BST_CHECKED;
    EasySetting& easy = controlState.easy;
    switch (id) {
        case IDC_SOPRANO: easy.voice[kSoprano] = checked; break;
        case IDC_MEZZOSOPRANO: easy.voice[kMezzosoprano] = checked; break;
        case IDC_ALTO_TENOR: easy.voice[kAltoTenor] = checked; break;
        case IDC_BARITONE: easy.voice[kBaritone] = checked; break;
        case IDC_BASS: easy.voice[kBass] = checked; break;
        case IDC_OCTAVE_CUT: easy.octaveCut = checked; break;
        case IDC_HIGH_BOOST: easy.highBoost = checked; break;
        case IDC_LOW_BOOST: easy.lowBoost = checked; break;
        case IDC_SUBSONIC: easy.subsonic = checked; break;
        default: break;
    }
}

}  // namespace

void OnCommand(int id, HWND, int notification) {
    switch (id) {
        case IDM_OPEN: ShowOpenDialog(); return;
        case IDM_SAVE: ShowSaveDialog(); return;
        case IDM_EXIT:
            CancelSave();
            DestroyWindow(mainWindow);
            return;
        case IDM_HELP: ShowHelp(); return;
        case IDM_VIEW_WAVE:
        case IDM_VIEW_LEVEL:
        case IDM_VIEW_SPECTRUM: SelectView(id); return;
        case IDM_PLAY:
            if (notification == 0) Play();
            return;
        case IDM_STOP:
            if (notification == 0) Stop();
            return;
        case IDM_PAUSE: TogglePause(); return;
        case IDC_RESET: ResetBars(); return;
        default: break;
    }
    if (id >= IDC_CHANNEL_NOTHING && id <= IDC_CHANNEL_MINUS_ONE)
        SelectChannelOperation(id);
    else if (id >= IDC_SOPRANO && id <= IDC_SUBSONIC)
        StorePreset(id);
}

void OnDropFiles(HDROP drop) {
    CloseOpenFile();
    char path[MAX_PATH] = "";
    // A name longer than the path buffer is refused rather than cut.
    UINT length = DragQueryFileA(drop, 0, nullptr, 0);
    if (length > 0 && length < sizeof path && DragQueryFileA(drop, 0, path, sizeof path)) {
        shell.currentPath = path;
        UpdateTitle();
        OpenForPlay();
    } else if (length >= sizeof path) {
        ShowUserMessage(IDS_PATH_TOO_LONG, ja::kPathTooLong);
    }
    DragFinish(drop);
}

bool OpenForPlay() {
    engine.mode = kEnginePlay;
    engine.processable = true;
    ApplyItemStates(OpenedItems(CurrentFacts()));
    if (GetActiveWindow() == mainWindow) SetFocus(GetDlgItem(mainWindow, IDM_PLAY));
    return OpenPlayFile();
}

void UpdateTitle() {
    shell.currentTitle = FileTitle(shell.currentPath, IsLeadByte);
    SetWindowTextA(mainWindow, WindowTitleText(shell.currentTitle, shell.NewStyleShell()).c_str());
}

}  // namespace lomvex
