// Drives a running lomvex.exe from outside, for the end-to-end tests:
// starts it with arguments and its own USERPROFILE, finds its main window,
// sends it commands, and finds, reads and answers its message boxes.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace lomvex::e2e {

using Bytes = std::vector<uint8_t>;

// "Z:\..." for an absolute Linux path, so Windows calls can reach it.
std::string WindowsPath(const std::string& unixPath);

// A fresh, empty folder for one test's settings file.
std::string MakeTempFolder(const std::string& name);

bool WriteBytes(const std::string& path, const Bytes& bytes);
Bytes ReadBytes(const std::string& path);

// Polls `condition` every 50 ms for up to `milliseconds`.
bool WaitUntil(const std::function<bool()>& condition, DWORD milliseconds = 20000);

// A window's text, read across processes.
std::string WindowText(HWND window);

// The file the test environment's sound device writes what is played into
// (LOMVEX_TEST_HOME/played.raw), as a Windows path.
std::string PlayedSoundPath();

// Clicks the button `id` (IDOK, IDYES, ...) of a dialog or message box.
void PressButton(HWND dialog, int id);

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
    // The focused control of the program's user-interface thread.
    HWND FocusedWindow();
    // The program's main window, waiting up to `milliseconds`.
    HWND MainWindow(DWORD milliseconds = 20000);
    // A dialog or message box of the program titled `title`.
    HWND FindDialog(const std::string& title, DWORD milliseconds = 20000);
    // A message box of the program, waiting up to `milliseconds`.
    MessageBoxInfo FindMessageBox(DWORD milliseconds = 20000);
    // Presses the box's OK button.
    static void Answer(const MessageBoxInfo& box);
    void PostCommand(int id);
    // A child control of the main window by id.
    HWND Control(int id);
    bool IsEnabled(int id) { return IsWindowEnabled(Control(id)) != 0; }
    // Answers the program's open or save dialog titled `title`: types
    // `path` as the file name and presses OK. The name the dialog proposed
    // is returned in `proposed` when given.
    bool AnswerFileDialog(const std::string& title, const std::string& path,
                          std::string* proposed = nullptr, DWORD milliseconds = 20000);
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
