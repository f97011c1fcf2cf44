// Drives a running lomvex.exe from outside, for the end-to-end tests:
// starts it with arguments and its own USERPROFILE, finds its main window,
// sends it commands, and finds, reads and answers its message boxes.
#pragma once

#include <windows.h>

#include <string>

namespace lomvex::e2e {

// "Z:\..." for an absolute Linux path, so Windows calls can reach it.
std::string WindowsPath(const std::string& unixPath);

// A fresh, empty folder for one test's settings file.
std::string MakeTempFolder(const std::string& name);

struct MessageBoxInfo {
    HWND window = nullptr;
    std::string caption;
    std::string text;
};

class LomvexProcess {
   public:
    ~LomvexProcess();
    // Starts the program with `arguments` after the program path and with
    // USERPROFILE set to `userProfile`; false when it cannot start.
    bool Start(const std::string& arguments, const std::string& userProfile);
    // The program's main window, waiting up to `milliseconds`.
    HWND MainWindow(DWORD milliseconds = 20000);
    // A message box of the program, waiting up to `milliseconds`.
    MessageBoxInfo FindMessageBox(DWORD milliseconds = 20000);
    // Presses the box's OK button.
    static void Answer(const MessageBoxInfo& box);
    void PostCommand(int id);
    // Asks the main window to close, as the system menu's Close does.
    void Close();
    // The exit code, waiting up to `milliseconds`; -1 while still running.
    int WaitForExit(DWORD milliseconds = 20000);
    DWORD ProcessId() const { return info_.dwProcessId; }

   private:
    PROCESS_INFORMATION info_ = {};
    HWND mainWindow_ = nullptr;
};

}  // namespace lomvex::e2e
