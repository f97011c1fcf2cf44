// Shows the message module's boxes with MessageBoxA and loads the English
// texts from the program's string table.
#pragma once

#include <windows.h>

#include "base/messages.h"

namespace lomvex {

class MessageBoxSink : public MessageSink {
   public:
    // Boxes owned by "the main window" get this owner (may be null).
    void SetOwner(HWND owner) { owner_ = owner; }
    std::string LoadText(int id) override;
    void Show(const MessageBoxRequest& box) override;
    [[noreturn]] void Exit(int code) override;

   private:
    HWND owner_ = nullptr;
};

// The program's sink, installed by the entry point.
extern MessageBoxSink messageBoxSink;

// Loads string `id` into the shared 256-byte text buffer and returns it;
// the next call overwrites it.
const char* LoadText(int id);

}  // namespace lomvex
