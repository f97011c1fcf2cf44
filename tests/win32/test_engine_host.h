// An engine host for the Win32 tests: records what the engine asks of the
// window (controls switched, formats shown) and gives it a window of the
// test's choosing for device callbacks and drawing.
#pragma once

#include <string>
#include <vector>

#include "engine/win32/engine_host.h"

namespace lomvex::testing {

class TestEngineHost : public EngineHost {
   public:
    TestEngineHost() { SetEngineHost(this); }
    ~TestEngineHost() override { SetEngineHost(nullptr); }

    HWND Window() override { return window; }
    void SetIdleControls(bool on) override { calls.push_back(on ? "idle on" : "idle off"); }
    void SetEngineControls(bool on) override { calls.push_back(on ? "engine on" : "engine off"); }
    void SetSaveControls(bool saving) override { calls.push_back(saving ? "save on" : "save off"); }
    ParametricTexts ReadParametricTexts() override { return {}; }
    void FormatShown() override { calls.push_back("format shown"); }

    HWND window = nullptr;
    std::vector<std::string> calls;
};

}  // namespace lomvex::testing
