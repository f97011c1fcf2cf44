// Shortcut keys and the dark scheme test.
#include "shell/shortcuts.h"

#include "resources/ids.h"

namespace lomvex {
namespace {

constexpr unsigned kKeyF1 = 0x70;

unsigned Brightness(uint32_t colour) {
    unsigned red = colour & 0xFF, green = (colour >> 8) & 0xFF, blue = (colour >> 16) & 0xFF;
    return (299 * red + 587 * green + 114 * blue) / 1000;
}

}  // namespace

int ShortcutCommand(unsigned key, bool control, int engineMode, bool playing) {
    if (key == kKeyF1) return IDM_HELP;
    if (!control) return 0;
    switch (key) {
        case 'R':
            return engineMode == 2 && !playing ? IDM_PLAY : 0;
        case 'P':
            if (playing) return IDM_PAUSE;
            return engineMode == 1 ? IDM_PLAY : 0;
        case 'S':
            return playing ? IDM_STOP : 0;
        default:
            return 0;
    }
}

bool IsDarkScheme(uint32_t windowText, uint32_t window) {
    return Brightness(windowText) >= Brightness(window);
}

}  // namespace lomvex
