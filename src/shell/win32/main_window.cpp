// Start-up of the main window and its window procedure.
#include "shell/win32/main_window.h"
#include "shell/position_bar_rules.h"
#include "shell/win32/position_bar.h"

#include <mmsystem.h>
#include <shellapi.h>

#include "display/level_meter.h"
#include "display/win32/balance_text.h"
#include "display/win32/run_display.h"
#include "display/win32/status_panel.h"
#include "dsp/frame_pipeline.h"
#include "base/messages.h"
#include "base/run_state.h"
#include "engine/win32/monitor.h"
#include "engine/win32/engine_host.h"
#include "engine/win32/open_play_file.h"
#include "base/win32/message_box_sink.h"
#include "engine/win32/playback.h"
#include "engine/win32/processing.h"
#include "engine/win32/save_output.h"
#include "engine/win32/wave_headers.h"
#include "audiofile/reader_texts.h"
#include "audiofile/win32/acm_binding.h"
#include "resources/ids.h"
#include "shell/batch_command_line.h"
#include "dsp/control_state.h"
#include "shell/enabling.h"
#include "shell/record_format.h"
#include "base/program_state.h"
#include "shell/shell_texts.h"
#include "shell/shortcuts.h"
#include "shell/win32/batch_run.h"
#include "shell/win32/commands.h"
#include "shell/win32/control_panel.h"
#include "shell/win32/enabling_binding.h"
#include "shell/win32/localize_menu.h"
#include "shell/win32/profile_store.h"
#include "shell/win32/window_engine_host.h"

namespace lomvex {

namespace {

constexpr char kClassName[] = "lomvex";
constexpr char kStartupCaption[] = "LOMVEX";
constexpr DWORD kMainStyle = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

// The background of the controls on a new-style shell.
HBRUSH controlBrush;

unsigned RunningWindowsVersion() {
    DWORD version = GetVersion();
    return (LOBYTE(LOWORD(version)) << 8) | HIBYTE(LOWORD(version));
}

FontMetrics FontMetricsOf(HDC dc, HGDIOBJ font) {
    HGDIOBJ previous = font ? SelectObject(dc, font) : nullptr;
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    if (previous) SelectObject(dc, previous);
    return {metrics.tmHeight, metrics.tmAscent, metrics.tmAveCharWidth, metrics.tmCharSet};
}

void ChooseLanguageAndUnits(bool englishRequested) {
    HDC screen = GetDC(nullptr);
    FontMetrics oem = FontMetricsOf(screen, GetStockObject(OEM_FIXED_FONT));
    ReleaseDC(nullptr, screen);
    program.japaneseMode = UsesJapanese(oem, englishRequested);
    program.units = ComputeLayoutUnits(oem, program.japaneseMode);
    SetJapaneseMessages(program.japaneseMode);
}

void ApplyCommandLine() {
    CommandLineOptions options = ReadCommandLine(GetCommandLineA(), IsLeadByte);
    if (options.batch.requested) SetBatchRequest(options.batch);
    if (!options.filePath.empty()) program.currentPath = options.filePath;
    program.commandLinePathRefused = options.filePathRefused;
    program.englishRequested = options.english;
    run.autoPlayClose = options.autoPlayClose;
    if (options.recordRate) program.settings.freq = options.recordRate;
}

void CreateControlBrush() {
    int colour = program.settings.dialog3d ? COLOR_BTNFACE : COLOR_WINDOW;
    controlBrush = CreateSolidBrush(GetSysColor(colour));
}

void DeleteControlBrush() {
    if (controlBrush) DeleteObject(controlBrush);
    controlBrush = nullptr;
}

// Counts the devices and fits the record format to the input's formats.
void TakeDeviceInventory() {
    run.hasOutputDevice = waveOutGetNumDevs() > 0;
    run.hasInputDevice = waveInGetNumDevs() > 0;
    DWORD inputFormats = 0;
    if (run.hasInputDevice) {
        WAVEINCAPSA caps = {};
        if (waveInGetDevCapsA(WAVE_MAPPER, &caps, sizeof caps) != MMSYSERR_NOERROR)
            waveInGetDevCapsA(0, &caps, sizeof caps);
        inputFormats = caps.dwFormats;
    }
    run.inputFormats = inputFormats;
    FitRecordFormat(program.settings, inputFormats);
    EnablingFacts facts = CurrentFacts();
    ApplyItemStates(StartItems(facts));
}

void UpdateDarkScheme() {
    program.darkScheme = IsDarkScheme(GetSysColor(COLOR_WINDOWTEXT), GetSysColor(COLOR_WINDOW));
}

void FillArea(HDC dc, int x, int y, int width, int height, int stockBrush) {
    RECT area = {x, y, x + width, y + height};
    FillRect(dc, &area, static_cast<HBRUSH>(GetStockObject(stockBrush)));
}

void PaintMainWindow(HWND window) {
    UpdateDarkScheme();
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    const LayoutUnits& u = program.units;
    int background = program.darkScheme ? BLACK_BRUSH : WHITE_BRUSH;
    FillArea(dc, u.unitX, 29 * u.unitY + 100, 35 * u.unitX, 5 * u.unitY, BLACK_BRUSH);
    FillArea(dc, 18 * u.unitX, u.unitY, 10 * u.unitX, u.unitY * 47 / 4, background);
    if (program.darkScheme) {
        SetTextColor(dc, RGB(255, 255, 255));
        SetBkColor(dc, RGB(0, 0, 0));
    }
    FillArea(dc, u.unitX, 17 * u.unitY, 256, 100, background);
    HGDIOBJ previous = SelectObject(dc, GetStockObject(OEM_FIXED_FONT));
    DrawRateText(dc);
    DrawLengthText(dc);
    DrawElapsedText(dc);
    DrawBalanceText(dc);
    if (program.settings.fftmode == kFftModeParametric) DrawParametricLabels(dc);
    SelectObject(dc, previous);
    DrawChannelLabels(dc);
    EndPaint(window, &paint);
}

LRESULT EraseBackground(HWND window, HDC dc) {
    UpdateDarkScheme();
    RECT client;
    GetClientRect(window, &client);
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(program.darkScheme ? GRAY_BRUSH : LTGRAY_BRUSH)));
    return 0;
}

LRESULT ColourControl(HWND window, HDC dc) {
    bool faces = program.settings.dialog3d != 0;
    SetBkColor(dc, GetSysColor(faces ? COLOR_BTNFACE : COLOR_WINDOW));
    SetTextColor(dc, GetSysColor(faces ? COLOR_BTNTEXT : COLOR_WINDOWTEXT));
    POINT origin = {0, 0};
    ClientToScreen(window, &origin);
    SetBrushOrgEx(dc, origin.x, origin.y, nullptr);
    return reinterpret_cast<LRESULT>(controlBrush);
}

void OnCreate() {
    if (program.NewStyleShell()) CreateControlBrush();
    if (AllocWaveHeaders()) DragAcceptFiles(mainWindow, TRUE);
}

void OnFocus() {
    HWND play = GetDlgItem(mainWindow, IDM_PLAY);
    HWND pause = GetDlgItem(mainWindow, IDM_PAUSE);
    if (play && IsWindowEnabled(play))
        SetFocus(play);
    else if (pause && IsWindowEnabled(pause))
        SetFocus(pause);
    else
        SetFocus(GetDlgItem(mainWindow, controlState.channel.operation));
}

void OnMeterClick(LPARAM position) {
    if (IsInsideMeterArea(program.units, LOWORD(position), HIWORD(position))) ResetHeldPeaks();
}

void OnDestroy() {
    if (program.NewStyleShell()) DeleteControlBrush();
    DragAcceptFiles(mainWindow, FALSE);
    HWND target = GetDlgItem(mainWindow, IDC_DROP_TARGET);
    if (target) DragAcceptFiles(target, FALSE);
    ShutdownRun();
    CloseOpenFile();
    FreeWaveHeaders();
    FreeAcmLibrary();
    PostQuitMessage(0);
}

}  // namespace

bool RegisterMainClass(HINSTANCE instance) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = WNDPROC;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, "icon");
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.lpszMenuName = "lomvexMenu";
    windowClass.lpszClassName = kClassName;
    if (RegisterClassA(&windowClass)) return true;
    ShowDiagnostic("RegisterClass failed", kStartupCaption, BoxOwner::None);
    return false;
}

bool CreateMainWindow(HINSTANCE instance, int showCommand) {
    instanceHandle = instance;
    SetEngineHost(&windowEngineHost);
    program.windowsVersion = RunningWindowsVersion();
    PrivateProfileStore profile;
    program.settings = ReadSettings(profile, program.NewStyleShell());
    ApplyCommandLine();
    ChooseLanguageAndUnits(program.englishRequested);

    // The client area is W wide; the height counts the menu and caption.
    RECT outer = {0, 0, WindowClientWidth(program.units), 0};
    AdjustWindowRect(&outer, kMainStyle, TRUE);
    int height = GetSystemMetrics(SM_CYMENU) + GetSystemMetrics(SM_CYCAPTION) +
                 WindowClientHeight(program.units);
    mainWindow = CreateWindowA(kClassName, "lomvex", kMainStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                               outer.right - outer.left, height, nullptr, nullptr, instance, nullptr);
    if (mainWindow == nullptr) {
        ShowDiagnostic("CreateWindow failed", kStartupCaption, BoxOwner::None);
        return false;
    }
    messageBoxSink.SetOwner(mainWindow);
    ShowWindow(mainWindow, showCommand);
    if (!CreateControls()) return false;
    SubclassControls();
    if (!CreatePositionBar()) return false;
    LayoutMainWindow();
    UpdateWindow(mainWindow);
    ApplyEqualizerMode();
    CheckMenuItem(GetMenu(mainWindow), program.viewItem, MF_BYCOMMAND | MF_CHECKED);
    TakeDeviceInventory();
    AllocFrameArrays(pipelineState, program.settings.fftparam, program.settings.mado);
    if (program.commandLinePathRefused) ShowUserMessage(IDS_PATH_TOO_LONG, ja::kPathTooLong);
    if (BatchRequested()) {
        PostMessageA(mainWindow, kBatchStartMessage, 0, 0);
    } else if (!program.currentPath.empty()) {
        UpdateTitle();
        if (OpenForPlay() && run.autoPlayClose) StartPlayback();
    }
    return true;
}

bool TranslateShortcutKey(HWND window, const MSG& message) {
    if (message.message != WM_KEYDOWN) return false;
    bool control = GetKeyState(VK_CONTROL) < 0;
    int command = ShortcutCommand(static_cast<unsigned>(message.wParam), control, run.mode,
                                  run.playing);
    if (command == 0) return false;
    SendMessageA(window, WM_COMMAND, command, 0);
    return true;
}

LRESULT CALLBACK WNDPROC(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_NCCREATE:
            mainWindow = window;
            LocalizeMenu(window);
            break;
        case WM_CREATE:
            mainWindow = window;
            OnCreate();
            break;
        case WM_DESTROY:
            OnDestroy();
            break;
        case WM_SETFOCUS:
            OnFocus();
            return 0;
        case WM_PAINT:
            PaintMainWindow(window);
            return 0;
        case WM_ERASEBKGND:
            return EraseBackground(window, reinterpret_cast<HDC>(wParam));
        case WM_SYSCOLORCHANGE:
            if (program.NewStyleShell()) {
                DeleteControlBrush();
                CreateControlBrush();
            }
            return 0;
        case WM_WININICHANGE:
            LayoutMainWindow();
            ApplyEqualizerMode();
            return 0;
        case WM_GETDLGCODE:
            return DLGC_WANTALLKEYS;
        case WM_KEYDOWN:
            if (wParam == VK_F1) SendMessageA(window, WM_COMMAND, IDM_HELP, 0);
            return 0;
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), reinterpret_cast<HWND>(lParam), HIWORD(wParam));
            return 0;
        case WM_SYSCOMMAND:
            if (run.playing && (wParam & 0xFFF0) == SC_SCREENSAVE) return 1;
            break;
        case WM_HSCROLL:
            if (OnPositionScroll(reinterpret_cast<HWND>(lParam), LOWORD(wParam),
                                 static_cast<short>(HIWORD(wParam))))
                return 0;
            OnBalanceScroll(reinterpret_cast<HWND>(lParam), LOWORD(wParam),
                            static_cast<short>(HIWORD(wParam)));
            return 0;
        case WM_VSCROLL:
            OnBarScroll(reinterpret_cast<HWND>(lParam), LOWORD(wParam),
                        static_cast<short>(HIWORD(wParam)));
            return 0;
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORSTATIC:
            if (program.NewStyleShell() && controlBrush)
                return ColourControl(window, reinterpret_cast<HDC>(wParam));
            break;
        case WM_LBUTTONDOWN:
            OnMeterClick(lParam);
            break;
        case WM_DROPFILES:
            OnDropFiles(reinterpret_cast<HDROP>(wParam));
            break;
        case MM_WOM_DONE:
            if (run.mode == kEnginePlay)
                OnPlayBufferDone(reinterpret_cast<WAVEHDR*>(lParam));
            else if (run.mode == kEngineMonitor)
                OnMonitorOutputDone(reinterpret_cast<WAVEHDR*>(lParam));
            return 0;
        case MM_WIM_DATA:
            OnRecordBufferDone(reinterpret_cast<WAVEHDR*>(lParam));
            return 0;
        case kBatchStartMessage:
            RunBatch();
            return 0;
        default:
            break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace lomvex
