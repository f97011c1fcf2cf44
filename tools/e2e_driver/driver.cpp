// The end-to-end driver: process start, window search, message boxes.
#include "e2e_driver/driver.h"

#include "resources/ids.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <vector>

namespace lomvex::e2e {
namespace {

struct WindowSearch {
    DWORD processId;
    const char* className;
    const char* title;  // null: any title
    HWND found;
    bool messageBoxOnly = false;  // skip file dialogs
};

HWND FileNameField(HWND dialog);

BOOL CALLBACK MatchWindow(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<WindowSearch*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char className[64];
    GetClassNameA(window, className, sizeof className);
    char title[256] = "";
    if (search->title) GetWindowTextA(window, title, sizeof title);
    // A dialog that has a modal box of its own open is disabled: the box,
    // enabled, is the one to answer. (The main window may be disabled too.)
    bool isDialog = lstrcmpA(search->className, "#32770") == 0;
    if (owner == search->processId && lstrcmpA(className, search->className) == 0 &&
        IsWindowVisible(window) && (!isDialog || IsWindowEnabled(window)) &&
        (!search->title || lstrcmpA(title, search->title) == 0) &&
        !(search->messageBoxOnly && FileNameField(window) != nullptr)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND WaitForWindow(DWORD processId, const char* className, DWORD milliseconds,
                   const char* title = nullptr, bool messageBoxOnly = false) {
    DWORD start = GetTickCount();
    do {
        WindowSearch search = {processId, className, title, nullptr, messageBoxOnly};
        EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found) return search.found;
        Sleep(50);
    } while (GetTickCount() - start < milliseconds);
    return nullptr;
}

// The file name field of a file dialog: a combo box or an edit field.
HWND FileNameField(HWND dialog) {
    for (int id : {0x47C, 0x480}) {
        HWND field = GetDlgItem(dialog, id);
        if (field && IsWindowVisible(field)) return field;
    }
    return nullptr;
}

BOOL CALLBACK CollectStatic(HWND child, LPARAM parameter) {
    char className[16];
    GetClassNameA(child, className, sizeof className);
    if (lstrcmpiA(className, "Static") == 0) reinterpret_cast<std::vector<HWND>*>(parameter)->push_back(child);
    return TRUE;
}

// A message box's text: its longest static text (the icon is a static too).
std::string LongestStaticText(HWND box) {
    std::vector<HWND> statics;
    EnumChildWindows(box, CollectStatic, reinterpret_cast<LPARAM>(&statics));
    std::string longest;
    for (HWND control : statics) {
        std::string text = WindowText(control);
        if (text.size() > longest.size()) longest = text;
    }
    return longest;
}

}  // namespace

std::string WindowText(HWND window) {
    char text[1024] = "";
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                        SMTO_ABORTIFHUNG, 2000, nullptr);
    return text;
}

bool WriteBytes(const std::string& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return out.good();
}

Bytes ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

bool WaitUntil(const std::function<bool()>& condition, DWORD milliseconds) {
    DWORD start = GetTickCount();
    do {
        if (condition()) return true;
        Sleep(50);
    } while (GetTickCount() - start < milliseconds);
    return condition();
}

std::string PlayedSoundPath() {
    const char* home = std::getenv("LOMVEX_TEST_HOME");
    return WindowsPath(std::string(home ? home : "/tmp") + "/played.raw");
}

std::string WindowsPath(const std::string& unixPath) {
    std::string path = "Z:" + unixPath;
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

std::string MakeTempFolder(const std::string& name) {
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    std::string folder = std::string(temp) + "lomvex-" + name + "-" +
                         std::to_string(GetCurrentProcessId()) + "-" +
                         std::to_string(GetTickCount());
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

LomvexProcess::~LomvexProcess() {
    if (info_.hProcess == nullptr) return;
    if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(info_.hProcess, 99);
        WaitForSingleObject(info_.hProcess, 5000);
    }
    CloseHandle(info_.hProcess);
    CloseHandle(info_.hThread);
}

bool LomvexProcess::Start(const std::string& arguments, const std::string& userProfile) {
    std::string exe = WindowsPath(LOMVEX_EXE);
    std::string commandLine = "\"" + exe + "\"" + (arguments.empty() ? "" : " " + arguments);
    std::vector<char> buffer(commandLine.begin(), commandLine.end());
    buffer.push_back('\0');
    // Wine takes USERPROFILE from the Windows side, so set it here for the
    // child to inherit.
    SetEnvironmentVariableA("USERPROFILE", userProfile.c_str());
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    return CreateProcessA(exe.c_str(), buffer.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          nullptr, &startup, &info_) != 0;
}

HWND LomvexProcess::FocusedWindow() {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(MainWindow(), nullptr), &info);
    return info.hwndFocus;
}

HWND LomvexProcess::MainWindow(DWORD milliseconds) {
    if (mainWindow_ != nullptr) return mainWindow_;
    HWND window = WaitForWindow(info_.dwProcessId, "lomvex", milliseconds);
    // The window shows before its controls are made; it is ready once the
    // check boxes, among the last of them, exist.
    if (window && WaitUntil([&] { return GetDlgItem(window, IDC_SUBSONIC) != nullptr; }, milliseconds))
        mainWindow_ = window;
    return mainWindow_;
}

MessageBoxInfo LomvexProcess::FindMessageBox(DWORD milliseconds) {
    MessageBoxInfo box;
    box.window = WaitForWindow(info_.dwProcessId, "#32770", milliseconds, nullptr, true);
    if (box.window == nullptr) return box;
    box.caption = WindowText(box.window);
    box.text = LongestStaticText(box.window);
    return box;
}

void LomvexProcess::Answer(const MessageBoxInfo& box) { PressButton(box.window, IDOK); }

// The click's notification, as the button sends it; a BM_CLICK does not
// reach a button of another process reliably.
void PressButton(HWND dialog, int id) {
    HWND button = GetDlgItem(dialog, id);
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

void LomvexProcess::PostCommand(int id) { PostMessageA(MainWindow(), WM_COMMAND, id, 0); }

HWND LomvexProcess::Control(int id) { return GetDlgItem(MainWindow(), id); }

HWND LomvexProcess::FindDialog(const std::string& title, DWORD milliseconds) {
    return WaitForWindow(info_.dwProcessId, "#32770", milliseconds, title.c_str());
}

bool LomvexProcess::AnswerFileDialog(const std::string& title, const std::string& path,
                                     std::string* proposed, DWORD milliseconds) {
    HWND dialog = FindDialog(title, milliseconds);
    if (dialog == nullptr) return false;
    HWND field = nullptr;
    WaitUntil([&] { return (field = FileNameField(dialog)) != nullptr; }, 5000);
    if (field == nullptr) return false;
    if (proposed) *proposed = WindowText(field);
    SendMessageA(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
    PressButton(dialog, IDOK);
    return true;
}

void LomvexProcess::Close() { PostMessageA(MainWindow(), WM_CLOSE, 0, 0); }

int LomvexProcess::WaitForExit(DWORD milliseconds) {
    if (WaitForSingleObject(info_.hProcess, milliseconds) != WAIT_OBJECT_0) return -1;
    DWORD code = 0;
    GetExitCodeProcess(info_.hProcess, &code);
    return static_cast<int>(code);
}

}  // namespace lomvex::e2e
