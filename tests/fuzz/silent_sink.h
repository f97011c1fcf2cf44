// A message sink for the fuzz targets: shows nothing, and traps on a fatal
// exit so the fuzzer reports it as a crash.
#pragma once

#include <cstdlib>
#include <string>

#include "base/messages.h"

namespace lomvex::fuzzing {

class SilentSink : public MessageSink {
   public:
    std::string LoadText(int) override { return "%d %ld"; }
    void Show(const MessageBoxRequest&) override {}
    [[noreturn]] void Exit(int) override { std::abort(); }
};

// Installs one silent sink for the whole fuzzing run.
inline void SilenceMessages() {
    static SilentSink sink;
    SetMessageSink(&sink);
}

}  // namespace lomvex::fuzzing
