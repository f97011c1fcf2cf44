// Command dispatch and the file name handling around the commands.
#include "shell/win32/commands.h"

#include <commdlg.h>

#include <string>

#include "audiofile/play_file.h"
#include "audiofile/reader_texts.h"
#include "audiofile/win32/acm_binding.h"
#include "audiofile/win32/play_file_binding.h"
#include "shell/win32/equalizer_labels.h"
#include "display/win32/run_display.h"
#include "base/messages.h"
#include "base/run_state.h"
#include "dialogs/win32/about_box_proc.h"
#include "dialogs/win32/info_dialogs_proc.h"
#include "dialogs/win32/options_dialog_proc.h"
#include "dialogs/win32/record_setup_proc.h"
#include "engine/win32/processing.h"
#include "audiofile/format_state.h"
#include "shell/win32/control_panel.h"
#include "engine/win32/open_play_file.h"
#include "engine/win32/monitor.h"
#include "engine/play_position.h"
#include "engine/win32/play_jump.h"
#include "engine/win32/playback.h"
#include "shell/win32/position_bar.h"
#include "engine/win32/save_output.h"
#include "resources/ids.h"
#include "dsp/control_state.h"
#include "shell/file_names.h"
#include "base/program_state.h"
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
    std::string spare = program.currentPath;
    // Ogg Vorbis always plays: without a codec the program decodes it itself.
    FileDialog open(OpenFilter(ProbeMp3Codec(), true, program.japaneseMode),
                    OpenDialogTitle(program.japaneseMode), OFN_FILEMUSTEXIST | OFN_HIDEREADONLY);
    bool chosen = GetOpenFileNameA(&open.dialog);
    program.currentPath = chosen ? open.path : spare;
    UpdateTitle();
    if (chosen) OpenForPlay();
}

void ShowSaveDialog() {
    std::string proposal = DefaultSaveName(program.currentPath, FileTitle(program.currentPath, IsLeadByte),
                                           program.windowsVersion, IsLeadByte);
    FileDialog save(SaveFilter(program.japaneseMode), SaveDialogTitle(program.japaneseMode),
                    OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY);
    lstrcpynA(save.path, proposal.c_str(), sizeof save.path);
    if (GetSaveFileNameA(&save.dialog)) SaveProcessedOutput(save.path);
}

void ShowHelp() {
    char module[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, module, sizeof module);
    std::string help = HelpFilePath(module, program.windowsVersion);
    ShellExecuteA(mainWindow, "open", help.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void SelectView(int id) {
    if (id == program.viewItem) return;
    HMENU menu = GetMenu(mainWindow);
    CheckMenuItem(menu, program.viewItem, MF_BYCOMMAND | MF_UNCHECKED);
    program.viewItem = id;
    CheckMenuItem(menu, id, MF_BYCOMMAND | MF_CHECKED);
}

void Play() {
    run.paused = false;
    ResetHeldPeaks();
    if (run.mode == kEnginePlay)
        StartPlayback();
    else if (run.mode == kEngineMonitor)
        StartMonitor();
}

void SetPauseText(const char* text) { SetDlgItemTextA(mainWindow, IDM_PAUSE, text); }

void Stop() {
    if (SaveRunning()) {
        CancelSave();
        return;
    }
    if (run.paused) {
        SetPauseText(kPauseText);
        run.paused = false;
    }
    if (run.mode == kEnginePlay)
        StopPlayback();
    else if (run.mode == kEngineMonitor)
        StopMonitor();
}

// Pauses or continues the run of the current mode.
void PauseRun(bool pause) {
    if (run.mode == kEngineMonitor)
        PauseMonitor(pause);
    else
        PausePlayback(pause);
}

void TogglePause() {
    if (!run.playing) return;
    if (!run.paused) {
        SetPauseText(kContinueText);
        PauseRun(true);
        run.paused = true;
        SetFocus(mainWindow);
        SetFocus(GetDlgItem(mainWindow, IDM_PAUSE));
    } else {
        PauseRun(false);
        SetPauseText(kPauseText);
        run.paused = false;
    }
}

// After OK the open input is closed (its buffers were sized for the old
// settings), the frame arrays are made for the new size and the control
// panel follows the equalizing mode.
void ShowOptions() {
    if (!RunOptionsDialog()) return;
    CloseOpenFile();
    AllocFrameArrays(pipelineState, program.settings.fftparam, program.settings.mado);
    ApplyEqualizerMode();
    if (formatState.rateKhz != 0) RefreshBarLabels();
}

void ShowInformation() {
    CloseOpenFile();
    RunInfoDialogs();
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

// The record setup dialog; on OK the record port opens for monitoring. The
// current path is kept for a Cancel.
void ShowRecordSetup() {
    CloseOpenFile();
    const std::string spare = program.currentPath;
    const bool accepted = RunRecordSetup(mainWindow, run.inputFormats);
    program.currentPath = accepted ? std::string() : spare;
    UpdateTitle();
    if (accepted) OpenForRecord();
}

}  // namespace

void OnCommand(int id, HWND, int notification) {
    switch (id) {
        case IDM_MONITOR: ShowRecordSetup(); return;
        case IDM_OPEN: ShowOpenDialog(); return;
        case IDM_SAVE: ShowSaveDialog(); return;
        case IDM_EXIT:
            CancelSave();
            DestroyWindow(mainWindow);
            return;
        case IDM_HELP: ShowHelp(); return;
        case IDM_OPTION: ShowOptions(); return;
        case IDM_INFO: ShowInformation(); return;
        case IDM_ABOUT: RunAboutBox(); return;
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
        case IDM_JUMP_BACK: JumpPlayPosition(-kJumpTenths, false); return;
        case IDM_JUMP_FORWARD: JumpPlayPosition(kJumpTenths, false); return;
        case IDM_JUMP_START: JumpPlayPosition(0, true); return;
        case IDM_LOOP_START:
        case IDM_LOOP_END:
        case IDM_LOOP:
        case IDM_LOOP_CLEAR: OnLoopCommand(id); return;
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
        program.currentPath = path;
        UpdateTitle();
        OpenForPlay();
    } else if (length >= sizeof path) {
        ShowUserMessage(IDS_PATH_TOO_LONG, ja::kPathTooLong);
    }
    DragFinish(drop);
}

bool OpenForRecord() {
    run.mode = kEngineMonitor;
    program.currentPath.clear();
    ApplyItemStates(OpenedItems(CurrentFacts()));
    if (GetActiveWindow() == mainWindow) SetFocus(GetDlgItem(mainWindow, IDM_PLAY));
    UpdatePositionBar();
    return OpenRecordFile();
}

bool OpenForPlay() {
    run.mode = kEnginePlay;
    run.processable = true;
    ApplyItemStates(OpenedItems(CurrentFacts()));
    if (GetActiveWindow() == mainWindow) SetFocus(GetDlgItem(mainWindow, IDM_PLAY));
    ResetPlayPosition();
    const bool opened = OpenPlayFile();
    UpdatePositionBar();
    return opened;
}

void UpdateTitle() {
    program.currentTitle = FileTitle(program.currentPath, IsLeadByte);
    SetWindowTextA(mainWindow, WindowTitleText(program.currentTitle, program.NewStyleShell()).c_str());
}

}  // namespace lomvex
