// Message reporting: formats the texts and hands the boxes to the sink.
#include "base/messages.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>

namespace lomvex {
namespace {

// Until the program installs its own, boxes go to standard error.
class StderrSink : public MessageSink {
   public:
    std::string LoadText(int id) override { return "message " + std::to_string(id); }
    void Show(const MessageBoxRequest& box) override {
        std::fprintf(stderr, "[%s] %s\n", box.caption.c_str(), box.text.c_str());
    }
    [[noreturn]] void Exit(int code) override { std::exit(code); }
};

StderrSink stderrSink;
MessageSink* currentSink = &stderrSink;
bool japaneseTexts = false;
std::vector<std::string>* quietTexts = nullptr;

// The one place that decides whether a box is shown.
void Deliver(const MessageBoxRequest& box) {
    if (quietTexts)
        quietTexts->push_back(box.text);
    else
        currentSink->Show(box);
}

std::string FormatV(const char* format, va_list args) {
    char buffer[256];
    std::vsnprintf(buffer, sizeof buffer, format, args);
    return buffer;
}

struct MmResultName {
    unsigned result;
    const char* name;
};

constexpr MmResultName kMmResultNames[] = {
    {5, "MMSYSERR_INVALHANDLE"}, {7, "MMSYSERR_NOMEM"},       {10, "MMSYSERR_INVALFLAG"},
    {11, "MMSYSERR_INVALPARAM"}, {512, "ACMERR_NOTPOSSIBLE"},
};

}  // namespace

MessageSink* SetMessageSink(MessageSink* sink) {
    MessageSink* previous = currentSink;
    currentSink = sink ? sink : &stderrSink;
    return previous;
}

void SetQuietMessages(std::vector<std::string>* texts) { quietTexts = texts; }

void SetJapaneseMessages(bool japanese) { japaneseTexts = japanese; }
bool JapaneseMessages() { return japaneseTexts; }

void ShowUserMessage(int id, const char* japanese, ...) {
    std::string format = japaneseTexts && japanese ? japanese : currentSink->LoadText(id);
    va_list args;
    va_start(args, japanese);
    MessageBoxRequest box;
    box.text = FormatV(format.c_str(), args);
    va_end(args);
    box.icon = BoxIcon::Exclamation;
    Deliver(box);
}

void ShowUserMessageOwnedBy(void* window, int id, const char* japanese) {
    MessageBoxRequest box;
    box.text = japaneseTexts && japanese ? japanese : currentSink->LoadText(id);
    box.icon = BoxIcon::Exclamation;
    box.owner = BoxOwner::Window;
    box.ownerWindow = window;
    Deliver(box);
}

void ShowDiagnostic(const std::string& text, const std::string& caption, BoxOwner owner) {
    Deliver({text, caption, BoxIcon::None, owner});
}

void ShowMessageBox(const MessageBoxRequest& box) {
    Deliver(box);
}

int ShowMmError(unsigned result, const char* label) {
    for (const MmResultName& entry : kMmResultNames) {
        if (entry.result == result) {
            ShowDiagnostic(entry.name, label);
            return 1;
        }
    }
    return 0;
}

void ShowFatal(const std::string& text) {
    ShowDiagnostic(text);
    currentSink->Exit(1);
    std::abort();  // a sink's Exit never returns; this keeps the promise if one does
}

}  // namespace lomvex
