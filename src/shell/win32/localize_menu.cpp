// Relabelling of the main menu in Japanese mode.
#include "shell/win32/localize_menu.h"

#include "resources/ids.h"
#include "base/program_state.h"
#include "shell/shell_texts.h"

namespace lomvex {

HMENU mainMenu;

namespace {

// Nothing is open at start: these wait for a file or a run.
bool GreyedAtStart(int id) {
    return id == IDM_SAVE || id == IDM_INFO || id == IDM_PLAY || id == IDM_STOP || id == IDM_PAUSE ||
           (id >= IDM_LOOP_START && id <= IDM_LOOP_CLEAR);
}

const char* LabelFor(const MenuLabel& label, bool newStyleShell) {
    return newStyleShell ? label.newStyle : label.olderShell;
}

}  // namespace

void LocalizeMenu(HWND window) {
    mainMenu = GetMenu(window);
    if (!program.japaneseMode || mainMenu == nullptr) return;
    const bool newStyle = program.NewStyleShell();
    for (const MenuLabel& popup : ja::kMenuPopups) {
        UINT position = static_cast<UINT>(popup.positionOrId);
        HMENU submenu = GetSubMenu(mainMenu, static_cast<int>(position));
        ModifyMenuA(mainMenu, position, MF_BYPOSITION | MF_STRING | MF_POPUP,
                    reinterpret_cast<UINT_PTR>(submenu), LabelFor(popup, newStyle));
    }
    // The View item 197 has a label but no item: its change finds nothing.
    for (const MenuLabel& item : ja::kMenuItems) {
        UINT id = static_cast<UINT>(item.positionOrId);
        UINT state = GreyedAtStart(item.positionOrId) ? MF_GRAYED : MF_ENABLED;
        ModifyMenuA(mainMenu, id, MF_BYCOMMAND | MF_STRING | state, id, LabelFor(item, newStyle));
    }
    DrawMenuBar(window);
}

}  // namespace lomvex
