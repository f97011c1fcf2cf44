// Start-up of the main window and its window procedure.
#include "shell/win32/main_window.h"

#include "engine/messages.h"
#include "engine/win32/message_box_sink.h"
#include "shell/shell_state.h"
#include "shell/win32/profile_store.h"

namespace lomvex {

HINSTANCE instanceHandle;
HWND mainWindow;

namespace {

constexpr char kClassName[] = "lomvex";
constexpr char kStartupCaption[] = "LOMVEX";

unsigned RunningWindowsVersion() {
    DWORD version = GetVersion();
    return (LOBYTE(LOWORD(version)) << 8) | HIBYTE(LOWORD(version));
}

FontMetrics OemFontMetrics(HDC dc) {
    HGDIOBJ previous = SelectObject(dc, GetStockObject(OEM_FIXED_FONT));
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, previous);
    return {metrics.tmHeight, metrics.tmAscent, metrics.tmAveCharWidth, metrics.tmCharSet};
}

void ChooseLanguageAndUnits(bool englishRequested) {
    HDC screen = GetDC(nullptr);
    FontMetrics oem = OemFontMetrics(screen);
    ReleaseDC(nullptr, screen);
    shell.japaneseMode = UsesJapanese(oem, englishRequested);
    shell.units = ComputeLayoutUnits(oem, shell.japaneseMode);
    SetJapaneseMessages(shell.japaneseMode);
}

void PaintMainWindow(HWND window) {
    PAINTSTRUCT paint;
    BeginPaint(window, &paint);
    EndPaint(window, &paint);
}

LRESULT EraseBackground(HWND window, HDC dc) {
    RECT client;
    GetClientRect(window, &client);
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH)));
    return 1;
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
    shell.windowsVersion = RunningWindowsVersion();
    PrivateProfileStore profile;
    shell.settings = ReadSettings(profile, shell.NewStyleShell());
    ChooseLanguageAndUnits(false);

    int height = GetSystemMetrics(SM_CYMENU) + GetSystemMetrics(SM_CYCAPTION) +
                 ClientHeight(shell.units);
    mainWindow = CreateWindowA(kClassName, "lomvex", WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                               CW_USEDEFAULT, CW_USEDEFAULT, ClientWidth(shell.units), height,
                               nullptr, nullptr, instance, nullptr);
    if (mainWindow == nullptr) {
        ShowDiagnostic("CreateWindow failed", kStartupCaption, BoxOwner::None);
        return false;
    }
    messageBoxSink.SetOwner(mainWindow);
    ShowWindow(mainWindow, showCommand);
    UpdateWindow(mainWindow);
    return true;
}

LRESULT CALLBACK WNDPROC(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        case WM_PAINT:
            PaintMainWindow(window);
            return 0;
        case WM_ERASEBKGND:
            return EraseBackground(window, reinterpret_cast<HDC>(wParam));
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace lomvex
