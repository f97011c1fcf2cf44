// Shortcut keys and the dark scheme test.
#include "shell/shortcuts.h"

#include "resources/ids.h"

namespace lomvex {
namespace {

constexpr unsigned kKeyF1 = 0x70;
constexpr unsigned kKeyHome = 0x24;
constexpr unsigned kKeyLeft = 0x25;
constexpr unsigned kKeyRight = 0x27;
constexpr unsigned kKeyOpenBracket = 0xDB;   // [ on US keyboards
constexpr unsigned kKeyCloseBracket = 0xDD;  // ]

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
        case kKeyLeft:
            return engineMode == 1 ? IDM_JUMP_BACK : 0;
        case kKeyRight:
            return engineMode == 1 ? IDM_JUMP_FORWARD : 0;
        case kKeyHome:
            return engineMode == 1 ? IDM_JUMP_START : 0;
        case kKeyOpenBracket:
            return engineMode == 1 ? IDM_LOOP_START : 0;
        case kKeyCloseBracket:
            return engineMode == 1 ? IDM_LOOP_END : 0;
        case 'L':
            return engineMode == 1 ? IDM_LOOP : 0;
        default:
            return 0;
    }
}

bool IsDarkScheme(uint32_t windowText, uint32_t window) {
    return Brightness(windowText) >= Brightness(window);
}

}  // namespace lomvex
