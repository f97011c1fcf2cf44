// The keyboard shortcuts of the message loop and the colour scheme rule.
#pragma once

#include <cstdint>

namespace lomvex {

// The command a key-down sends to the main window, or 0 when the key is
// not a shortcut in this state. Keys are virtual-key codes.
int ShortcutCommand(unsigned key, bool control, int engineMode, bool playing);

// Light text on a dark background: the window-text colour is at least as
// bright as the window colour. Colours are 0x00BBGGRR.
bool IsDarkScheme(uint32_t windowText, uint32_t window);

}  // namespace lomvex
