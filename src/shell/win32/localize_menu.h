// The main menu's Japanese labels.
#pragma once

#include <windows.h>

namespace lomvex {

// The main window's menu, kept by LocalizeMenu for every later menu change.
extern HMENU mainMenu;

// Keeps the menu of `window`. In Japanese mode relabels the four popups by
// position and the items by command id (full-width labels on a new-style
// shell, half-width ones with the 0x1E/0x1F mnemonic mark on older shells),
// greys Save, Info, Play, Stop and Pause and enables the others, and redraws
// the menu bar. Called at WM_NCCREATE of the main window.
void LocalizeMenu(HWND window);

}  // namespace lomvex
