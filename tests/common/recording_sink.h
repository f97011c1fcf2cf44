// A message sink for tests: records every box instead of showing it, and
// turns the process exit of a fatal failure into an exception.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "base/messages.h"

namespace lomvex::testing {

struct FatalExit : std::runtime_error {
    explicit FatalExit(int code) : std::runtime_error("exit"), code(code) {}
    int code;
};

class RecordingSink : public MessageSink {
   public:
    RecordingSink() { previous_ = SetMessageSink(this); }
    ~RecordingSink() override {
        SetMessageSink(previous_);
        SetJapaneseMessages(false);
    }
    // The English text is the id itself, so tests can check which was shown.
    std::string LoadText(int id) override { return "#" + std::to_string(id); }
    void Show(const MessageBoxRequest& box) override { boxes.push_back(box); }
    [[noreturn]] void Exit(int code) override { throw FatalExit(code); }

    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const MessageBoxRequest& box : boxes) texts.push_back(box.text);
        return texts;
    }

    std::vector<MessageBoxRequest> boxes;

   private:
    MessageSink* previous_;
};

}  // namespace lomvex::testing
