// The dialogs' shared 3D look on a real dialog.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "base/program_state.h"
#include "dialogs/win32/dialog_look.h"

namespace lomvex {
namespace {

int hookRuns = 0;
void CountHook(HWND) { ++hookRuns; }

INT_PTR CALLBACK TestDialogProc(HWND dialog, UINT message, WPARAM, LPARAM) {
    if (message == WM_INITDIALOG) InitDialog3dLook(dialog, CountHook);
    return FALSE;
}

// A modeless dialog with a caption and system menu, from a template in
// memory.
HWND MakeDialog() {
    alignas(4) static WORD templateWords[32] = {};
    auto* header = reinterpret_cast<DLGTEMPLATE*>(templateWords);
    header->style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    header->cx = 100;
    header->cy = 50;
    return CreateDialogIndirectParamA(GetModuleHandleA(nullptr), header, nullptr, TestDialogProc, 0);
}

std::string ItemText(HMENU menu) {
    char text[64] = "";
    GetMenuStringA(menu, kDialog3dCommand, text, sizeof text, MF_BYCOMMAND);
    return text;
}

TEST(Dialog3dLook, FollowsTheSettingAndToggles) {
    program.windowsVersion = 0x0601;
    program.japaneseMode = false;
    program.settings.dialog3d = 1;
    hookRuns = 0;
    HWND dialog = MakeDialog();
    ASSERT_NE(dialog, nullptr);
    HMENU menu = GetSystemMenu(dialog, FALSE);
    EXPECT_EQ(ItemText(menu), "&Three dimension");
    EXPECT_TRUE(GetMenuState(menu, kDialog3dCommand, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_TRUE(GetWindowLongPtrA(dialog, GWL_STYLE) & DS_3DLOOK);
    EXPECT_EQ(hookRuns, 1);

    ToggleDialog3dLook(dialog, CountHook);
    EXPECT_EQ(program.settings.dialog3d, 0);
    EXPECT_FALSE(GetMenuState(menu, kDialog3dCommand, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_FALSE(GetWindowLongPtrA(dialog, GWL_STYLE) & DS_3DLOOK);
    EXPECT_EQ(hookRuns, 2);
    DestroyWindow(dialog);
}

TEST(Dialog3dLook, OlderShellsHaveNoMenuItem) {
    program.windowsVersion = 0x030A;
    HWND dialog = MakeDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(ItemText(GetSystemMenu(dialog, FALSE)), "");
    DestroyWindow(dialog);
    program.windowsVersion = 0x0601;
}

}  // namespace
}  // namespace lomvex
