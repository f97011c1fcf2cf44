// The engine's view of the main window.
#include "shell/win32/window_engine_host.h"

#include "resources/ids.h"
#include "shell/win32/enabling_binding.h"
#include "shell/win32/equalizer_labels.h"
#include "shell/win32/main_window.h"
#include "shell/win32/position_bar.h"

namespace lomvex {

WindowEngineHost windowEngineHost;

HWND WindowEngineHost::Window() { return mainWindow; }

void WindowEngineHost::SetIdleControls(bool on) {
    lomvex::SetIdleControls(on);
    UpdatePositionBar();
}

void WindowEngineHost::SetEngineControls(bool on) { lomvex::SetEngineControls(on); }

void WindowEngineHost::SetSaveControls(bool saving) {
    lomvex::SetSaveControls(saving);
    UpdatePositionBar();
}

ParametricTexts WindowEngineHost::ReadParametricTexts() {
    ParametricTexts texts;
    for (int i = 0; i < kParametricValues; ++i) {
        char text[16] = "";
        GetDlgItemTextA(mainWindow, IDC_FIELD_FIRST + i, text, sizeof text);
        texts[i] = text;
    }
    return texts;
}

void WindowEngineHost::FormatShown() { RefreshBarLabels(); }

void WindowEngineHost::PositionMoved() { UpdatePositionBar(); }

}  // namespace lomvex
