// Message reporting: every message box of the program goes through here.
//
// The portable core decides what a box says (text, caption, icon, owner);
// a MessageSink shows it. The program's sink calls MessageBoxA and loads the
// English texts from the resource string table; tests install a sink that
// records the boxes instead of showing them.
#pragma once

#include <string>
#include <vector>

namespace lomvex {

enum class BoxIcon { None, Exclamation, Warning, Information };
// Window: the box belongs to `ownerWindow`, a dialog that stays open
// behind it and must not take input while it shows.
enum class BoxOwner { MainWindow, None, Window };

struct MessageBoxRequest {
    std::string text;
    std::string caption;  // empty: the system's default caption
    BoxIcon icon = BoxIcon::None;
    BoxOwner owner = BoxOwner::MainWindow;
    void* ownerWindow = nullptr;  // the window handle, with BoxOwner::Window
};

class MessageSink {
   public:
    virtual ~MessageSink() = default;
    // The English message with the given string-table id ("" when none).
    virtual std::string LoadText(int id) = 0;
    virtual void Show(const MessageBoxRequest& box) = 0;
    // Ends the process with the given exit code; never returns normally.
    [[noreturn]] virtual void Exit(int code) = 0;
};

// Installs the sink that shows every later box; returns the previous one.
MessageSink* SetMessageSink(MessageSink* sink);
// Quiet mode, for runs that nobody watches (a batch save): while a list is
// given, no box is shown; each box's text is appended to the list instead
// (the texts still come from the sink, in the current language). Null
// ends quiet mode.
void SetQuietMessages(std::vector<std::string>* texts);
// The one switch between English and Japanese texts, fixed at start-up.
void SetJapaneseMessages(bool japanese);
bool JapaneseMessages();

// A device or file failure: owned by the main window, no caption,
// exclamation icon. The text is string `id` (or `japanese` in Japanese
// mode), formatted with the printf arguments that follow.
void ShowUserMessage(int id, const char* japanese, ...);
// The same box, with a text that takes no arguments, owned by `window` (a
// dialog's handle) instead of the main window.
void ShowUserMessageOwnedBy(void* window, int id, const char* japanese);

// A fixed text with an OK button and no icon, the same in both languages.
void ShowDiagnostic(const std::string& text, const std::string& caption = std::string(),
                    BoxOwner owner = BoxOwner::MainWindow);

// Names a multimedia result code: for the results it knows, shows the name
// with `label` as caption and returns 1; for any other result returns 0.
int ShowMmError(unsigned result, const char* label);

// Any other box, as the request describes it.
void ShowMessageBox(const MessageBoxRequest& box);

// A failure the program cannot go on from: shows the text (owned by the
// main window, no icon) and ends the process with exit code 1.
[[noreturn]] void ShowFatal(const std::string& text);

}  // namespace lomvex
