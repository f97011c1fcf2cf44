// The main window as the engine's host.
#pragma once

#include "engine/win32/engine_host.h"

namespace lomvex {

class WindowEngineHost : public EngineHost {
   public:
    HWND Window() override;
    void SetIdleControls(bool on) override;
    void SetEngineControls(bool on) override;
    void SetSaveControls(bool saving) override;
    ParametricTexts ReadParametricTexts() override;
    void FormatShown() override;
    void PositionMoved() override;
};

extern WindowEngineHost windowEngineHost;

}  // namespace lomvex
