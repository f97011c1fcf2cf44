// Process-wide state that every subsystem reads: the running Windows
// version, the text language, the layout units, the settings and the file
// name buffers. The shell fills it at start-up.
#pragma once

#include <string>

#include "base/layout_units.h"
#include "base/settings_values.h"

namespace lomvex {

// The new-style shell (3.95 and later) changes titles, looks and texts.
constexpr unsigned kNewStyleShell = 0x035F;

struct ProgramState {
    unsigned windowsVersion = 0;  // major × 256 + minor
    bool japaneseMode = false;
    bool englishRequested = false;        // "/E" on the command line
    bool commandLinePathRefused = false;  // a file path too long for the buffer
    bool darkScheme = false;  // light text on dark: displays draw white on black
    LayoutUnits units;
    int playingRate = 0;  // -120 .. 120 in 1/120 octave; not a saved setting
    int viewItem = 198;   // the checked View item: 198 level meter, 199 spectrum
    Settings settings;
    std::string currentPath;   // the file to play, at most 259 characters
    std::string currentTitle;  // its last path component

    bool NewStyleShell() const { return windowsVersion >= kNewStyleShell; }
};

extern ProgramState program;

}  // namespace lomvex
