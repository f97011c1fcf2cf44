// The end-to-end driver: process start, window search, message boxes.
#include "e2e_driver/driver.h"

#include <vector>

namespace lomvex::e2e {
namespace {

struct WindowSearch {
    DWORD processId;
    const char* className;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<WindowSearch*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char className[64];
    GetClassNameA(window, className, sizeof className);
    if (owner == search->processId && lstrcmpA(className, search->className) == 0 &&
        IsWindowVisible(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND WaitForWindow(DWORD processId, const char* className, DWORD milliseconds) {
    DWORD start = GetTickCount();
    do {
        WindowSearch search = {processId, className, nullptr};
        EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found) return search.found;
        Sleep(50);
    } while (GetTickCount() - start < milliseconds);
    return nullptr;
}

std::string WindowText(HWND window) {
    char text[1024] = "";
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                        SMTO_ABORTIFHUNG, 2000, nullptr);
    return text;
}

}  // namespace

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

HWND LomvexProcess::MainWindow(DWORD milliseconds) {
    if (mainWindow_ == nullptr) mainWindow_ = WaitForWindow(info_.dwProcessId, "lomvex", milliseconds);
    return mainWindow_;
}

MessageBoxInfo LomvexProcess::FindMessageBox(DWORD milliseconds) {
    MessageBoxInfo box;
    box.window = WaitForWindow(info_.dwProcessId, "#32770", milliseconds);
    if (box.window == nullptr) return box;
    box.caption = WindowText(box.window);
    // The message text is the static control with id 0xFFFF.
    box.text = WindowText(GetDlgItem(box.window, 0xFFFF));
    return box;
}

void LomvexProcess::Answer(const MessageBoxInfo& box) {
    PostMessageA(box.window, WM_COMMAND, IDOK, 0);
}

void LomvexProcess::PostCommand(int id) { PostMessageA(MainWindow(), WM_COMMAND, id, 0); }

void LomvexProcess::Close() { PostMessageA(MainWindow(), WM_CLOSE, 0, 0); }

int LomvexProcess::WaitForExit(DWORD milliseconds) {
    if (WaitForSingleObject(info_.hProcess, milliseconds) != WAIT_OBJECT_0) return -1;
    DWORD code = 0;
    GetExitCodeProcess(info_.hProcess, &code);
    return static_cast<int>(code);
}

}  // namespace lomvex::e2e
