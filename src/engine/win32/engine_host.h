// What the engine needs of the window that runs it: the window itself (the
// devices' callbacks and the drawing go to it), its controls switched on
// and off around a run, and the parametric band fields. The shell
// implements it; the engine never includes shell code.
#pragma once

#include <windows.h>

#include <array>
#include <string>

#include "dsp/equalizer.h"

namespace lomvex {

using ParametricTexts = std::array<std::string, kParametricValues>;

class EngineHost {
   public:
    virtual ~EngineHost() = default;
    virtual HWND Window() = 0;
    // Play, Open, Option and the other idle commands: off while a run runs.
    virtual void SetIdleControls(bool on) = 0;
    // Stop and Pause: on while a device runs.
    virtual void SetEngineControls(bool on) = 0;
    // While a save runs only Stop works; ending it re-enables exactly the
    // controls that starting it disabled.
    virtual void SetSaveControls(bool saving) = 0;
    // The texts of the nine parametric band fields.
    virtual ParametricTexts ReadParametricTexts() = 0;
    // A file's format was just shown on the status panel.
    virtual void FormatShown() = 0;
    // The playing position moved, or a run started or ended.
    virtual void PositionMoved() {}
};

// The host every later engine call uses; set once by the shell.
void SetEngineHost(EngineHost* host);
EngineHost& Host();

}  // namespace lomvex
