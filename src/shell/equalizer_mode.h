// Which equalizer panel the control panel shows: the twenty bars with their
// labels and the Reset button (graphic, 152), the nine fields with their
// labels (parametric, 153) or the nine check boxes with the blank static
// (Easy Setting, 154), decided from the settings `fftmode` and `fftparam`.
#pragma once

#include <optional>

#include "shell/settings.h"

namespace lomvex {

struct BarView {
    bool shown = false;
    bool labelShown = false;
    // Set only where the mode decides it (bars 0 and 2 in graphic mode);
    // otherwise the bar keeps its enabled state.
    std::optional<bool> enabled;
    // Even bars are resized: 12 pixels with twenty bands (fftparam >= 12),
    // 24 with ten; odd bars keep their width (0 here).
    int width = 0;
};

struct EqualizerModeView {
    BarView bars[kBarCount];
    bool resetShown = false;
    bool presetsShown = false;  // the nine check boxes and the blank static
    bool fieldsShown = false;   // the nine fields and their nine labels
};

EqualizerModeView DecideEqualizerMode(int fftmode, int fftparam);

}  // namespace lomvex
