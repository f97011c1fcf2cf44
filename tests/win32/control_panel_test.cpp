// The control panel on a real window: the controls CreateControls makes,
// their sibling order and initial values, the equalizer panels per mode,
// scrolling, subclassing, the layout, and the Japanese menu labels.
#include "shell/win32/control_panel.h"

// shlobj.h needs windows.h first.
// clang-format off
#include <windows.h>
#include <shlobj.h>
// clang-format on

#include <gtest/gtest.h>

#include "win32/panel_window.h"

#include <cstring>
#include <string>

#include "resources/ids.h"
#include "dsp/control_state.h"
#include "shell/position_bar_rules.h"
#include "shell/scroll_rules.h"
#include "base/program_state.h"
#include "shell/shell_texts.h"
#include "shell/win32/localize_menu.h"
#include "shell/win32/main_window.h"
#include "win32/capturing_sink.h"

namespace lomvex {
namespace {

static_assert(SB_LINEUP == kScrollLineUp && SB_LINEDOWN == kScrollLineDown &&
              SB_PAGEUP == kScrollPageUp && SB_PAGEDOWN == kScrollPageDown &&
              SB_THUMBPOSITION == kScrollThumbPosition && SB_THUMBTRACK == kScrollThumbTrack);

constexpr char kTestClass[] = "LomvexControlPanelTest";

std::string Text(HWND window) {
    char text[300] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

std::string ClassOf(HWND window) {
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    CharUpperA(name);
    return name;
}

bool Shown(HWND window) {
    return (GetWindowLongA(window, GWL_STYLE) & WS_VISIBLE) != 0;
}

RECT RectInParent(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

int Width(HWND window) {
    RECT rect = RectInParent(window);
    return rect.right - rect.left;
}

class ControlPanelTest : public ::testing::Test {
   protected:
    static void SetUpTestSuite() { testing::RegisterPanelWindowClass(kTestClass, DefWindowProcA); }

    void SetUp() override {
        program = ProgramState{};
        program.windowsVersion = 0x0601;
        program.units = {6, 6, 4};  // W = 4 · 6 + 256 = 280
        controlState = ControlState{};
        controls = ControlHandles{};
        instanceHandle = GetModuleHandleA(nullptr);
    }

    void TearDown() override {
        if (window_) DestroyWindow(window_);
        mainWindow = nullptr;
        program = ProgramState{};
    }

    HWND MakeWindow(HMENU menu = nullptr) {
        window_ = testing::MakePanelWindow(kTestClass, "control panel test", menu);
        return window_;
    }

    void Create() {
        MakeWindow();
        ASSERT_TRUE(CreateControls());
    }

    void ApplyMode(int fftmode, int fftparam) {
        program.settings.fftmode = fftmode;
        program.settings.fftparam = fftparam;
        ApplyEqualizerMode();
    }

    HWND window_ = nullptr;
};

TEST_F(ControlPanelTest, CreatesEightyChildrenWithTheirIdsClassesAndTexts) {
    Create();
    int count = 0;
    for (HWND child = GetWindow(window_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        ++count;
    EXPECT_EQ(count, 80);
    auto expect = [](HWND window, int id, const char* className) {
        ASSERT_NE(window, nullptr) << id;
        EXPECT_EQ(GetDlgCtrlID(window), id);
        EXPECT_EQ(ClassOf(window), className) << id;
    };
    expect(controls.dropTarget, 516, "STATIC");
    expect(controls.channelGroup, 0, "BUTTON");
    expect(controls.radios[3], 514, "BUTTON");
    expect(controls.balance, IDC_BALANCE, "SCROLLBAR");
    expect(controls.bars[19], 536, "SCROLLBAR");
    expect(controls.reset, IDC_RESET, "BUTTON");
    expect(controls.blank, 552, "STATIC");
    expect(controls.fields[8], 546, "EDIT");
    expect(controls.barLabels[7], 0, "STATIC");
    // The check box, not the blank static that shares its id, answers 552.
    EXPECT_EQ(GetDlgItem(window_, IDC_OCTAVE_CUT), controls.presets[5]);
    EXPECT_EQ(Text(controls.radios[3]), "L-R(minusOne)");
    EXPECT_EQ(Text(controls.balance), kBalanceBarWindowText);
    EXPECT_EQ(Text(controls.bars[11]), BarName(11));

    EXPECT_FALSE(IsWindowEnabled(controls.play));
    EXPECT_EQ(GetWindowLongA(controls.radios[0], GWL_STYLE) & BS_TYPEMASK, BS_RADIOBUTTON);
    EXPECT_TRUE(GetWindowLongA(controls.balance, GWL_STYLE) & WS_BORDER);
    EXPECT_TRUE(GetWindowLongA(controls.fields[0], GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    EXPECT_TRUE(GetWindowLongA(controls.dropTarget, GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
    EXPECT_EQ(RectInParent(controls.play).left, 280 - 48);
    EXPECT_EQ(RectInParent(controls.bars[3]).left, 43);  // trunc(37.5 + 6)
}

TEST_F(ControlPanelTest, LabelsLieInFrontOfTheirBarsAndFieldsBehindTheirLabels) {
    Create();
    for (int j = 0; j < kBarCount; ++j) {
        HWND before = j == 0 ? controls.balance : controls.bars[j - 1];
        EXPECT_EQ(GetWindow(controls.barLabels[j], GW_HWNDPREV), before) << j;
        EXPECT_EQ(GetWindow(controls.barLabels[j], GW_HWNDNEXT), controls.bars[j]) << j;
    }
    for (int k = 0; k < kFieldCount; ++k)
        EXPECT_EQ(GetWindow(controls.fields[k], GW_HWNDPREV), controls.fieldLabels[k]) << k;
}

TEST_F(ControlPanelTest, InitialValues) {
    controlState.channel.operation = IDC_CHANNEL_MONAURAL;
    program.settings.eq[3] = -6;
    program.settings.eq[5] = 100;  // out of range in the settings file
    Create();
    for (int r = 0; r < kRadioCount; ++r)
        EXPECT_EQ(SendMessageA(controls.radios[r], BM_GETCHECK, 0, 0),
                  r == 2 ? BST_CHECKED : BST_UNCHECKED);
    EXPECT_EQ(GetFocus(), controls.radios[2]);
    int low = 0, high = 0;
    GetScrollRange(controls.balance, SB_CTL, &low, &high);
    EXPECT_EQ(low * 1000 + high, -128 * 1000 + 128);
    GetScrollRange(controls.bars[3], SB_CTL, &low, &high);
    EXPECT_EQ(low * 1000 + high, -12 * 1000 + 72);
    EXPECT_EQ(GetScrollPos(controls.bars[3], SB_CTL), -6);
    EXPECT_EQ(GetScrollPos(controls.bars[5], SB_CTL), 72);
    EXPECT_EQ(program.settings.eq[5], 100);  // kept as read until the bar moves
}

TEST_F(ControlPanelTest, OlderShellsAndJapanese) {
    program.windowsVersion = 0x0300;
    program.japaneseMode = true;
    Create();
    EXPECT_FALSE(GetWindowLongA(controls.balance, GWL_STYLE) & WS_BORDER);
    EXPECT_FALSE(GetWindowLongA(controls.fields[4], GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    EXPECT_FALSE(Shown(controls.dropTarget));  // hidden on 3.00 only
    EXPECT_EQ(Text(controls.play), ja::kPlay);
    EXPECT_EQ(Text(controls.pause), "Pause");
    EXPECT_EQ(Text(controls.presets[1]), ja::kMezzosoprano);
    EXPECT_EQ(Text(controls.barLabels[0]), ja::kEqualizerLabel);
}

TEST_F(ControlPanelTest, MissingButtonStopsTheStart) {
    testing::CapturingSink sink;
    mainWindow = reinterpret_cast<HWND>(static_cast<INT_PTR>(0x7FFF0));  // no such window
    EXPECT_FALSE(CreateControls());
    ASSERT_EQ(sink.boxes.size(), 1u);
    EXPECT_EQ(sink.boxes[0].text, "CreateWindow failed");
    EXPECT_EQ(sink.boxes[0].caption, "play");
}

TEST_F(ControlPanelTest, EqualizerPanelsPerModeAndTransformSize) {
    Create();
    ApplyMode(152, 8);
    EXPECT_TRUE(Shown(controls.bars[0]) && Shown(controls.bars[18]) && Shown(controls.reset));
    EXPECT_FALSE(Shown(controls.bars[1]) || Shown(controls.bars[19]));
    EXPECT_FALSE(IsWindowEnabled(controls.bars[0]) || IsWindowEnabled(controls.bars[2]));
    EXPECT_FALSE(Shown(controls.barLabels[0]) || Shown(controls.barLabels[2]));
    EXPECT_EQ(Width(controls.bars[0]), 24);
    EXPECT_EQ(Width(controls.bars[1]), 12);

    ApplyMode(152, 9);
    EXPECT_FALSE(IsWindowEnabled(controls.bars[0]));
    EXPECT_TRUE(IsWindowEnabled(controls.bars[2]));
    EXPECT_FALSE(Shown(controls.barLabels[2]));

    ApplyMode(152, 11);
    EXPECT_TRUE(IsWindowEnabled(controls.bars[0]) && Shown(controls.barLabels[0]));
    EXPECT_FALSE(Shown(controls.bars[1]));

    ApplyMode(152, 12);
    for (int j = 0; j < kBarCount; ++j) {
        EXPECT_TRUE(Shown(controls.bars[j]) && Shown(controls.barLabels[j])) << j;
        EXPECT_EQ(Width(controls.bars[j]), 12) << j;
    }
    EXPECT_FALSE(Shown(controls.presets[0]) || Shown(controls.fields[0]));

    ApplyMode(153, 12);
    for (int k = 0; k < kFieldCount; ++k)
        EXPECT_TRUE(Shown(controls.fields[k]) && Shown(controls.fieldLabels[k])) << k;
    EXPECT_FALSE(Shown(controls.bars[4]) || Shown(controls.barLabels[4]));
    EXPECT_FALSE(Shown(controls.reset) || Shown(controls.blank) || Shown(controls.presets[0]));

    ApplyMode(154, 12);
    for (HWND preset : controls.presets) EXPECT_TRUE(Shown(preset));
    EXPECT_TRUE(Shown(controls.blank));
    EXPECT_FALSE(Shown(controls.fields[0]) || Shown(controls.fieldLabels[0]));
    EXPECT_FALSE(Shown(controls.bars[0]) || Shown(controls.reset));
}

TEST_F(ControlPanelTest, ScrollingClampsStoresAndNamesTheGain) {
    program.settings.eq[2] = -8;
    program.settings.eq[5] = 100;
    Create();
    OnBarScroll(controls.bars[2], SB_PAGEUP, 0);
    EXPECT_EQ(program.settings.eq[2], -12);
    EXPECT_EQ(GetScrollPos(controls.bars[2], SB_CTL), -12);
    EXPECT_EQ(Text(controls.bars[2]), BarWindowText(2, -12));
    OnBarScroll(controls.bars[5], SB_ENDSCROLL, 0);
    EXPECT_EQ(program.settings.eq[5], 72);
    OnBarScroll(controls.balance, SB_PAGEDOWN, 0);  // not a bar: ignored
    EXPECT_EQ(program.settings.eq[0], 0);

    OnBalanceScroll(controls.balance, SB_THUMBTRACK, -500);
    EXPECT_EQ(controlState.channel.balance, -128);
    EXPECT_EQ(GetScrollPos(controls.balance, SB_CTL), -128);
    controlState.channel.balance = 125;
    OnBalanceScroll(controls.balance, SB_PAGERIGHT, 0);
    EXPECT_EQ(controlState.channel.balance, 128);
    OnBalanceScroll(controls.bars[0], SB_LINELEFT, 0);  // not the balance: ignored
    EXPECT_EQ(controlState.channel.balance, 128);
}

// A drop of one file, as the shell hands it to a window.
HDROP MakeDrop(const std::string& path) {
    HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + path.size() + 2);
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    std::memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), path.c_str(), path.size());
    GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

TEST_F(ControlPanelTest, SubclassedControlsWorkAndPassDropsOn) {
    testing::CapturingSink sink;  // the open of the missing dropped file reports into it
    Create();
    SubclassControls();
    for (int id = IDM_PLAY; id <= IDC_SUBSONIC; ++id) {
        HWND control = id == IDC_OCTAVE_CUT ? controls.presets[5] : GetDlgItem(window_, id);
        EXPECT_EQ(GetWindowLongPtrA(control, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(CONTROLPROC))
            << id;
        EXPECT_NE(PreviousControlProcedure(id), nullptr) << id;
    }
    EXPECT_EQ(PreviousControlProcedure(IDC_SUBSONIC + 1), nullptr);
    EXPECT_NE(GetWindowLongPtrA(controls.blank, GWLP_WNDPROC),
              reinterpret_cast<LONG_PTR>(CONTROLPROC));

    SetWindowTextA(controls.fields[4], "1200");
    EXPECT_EQ(Text(controls.fields[4]), "1200");

    const std::string path = "C:\\no such folder\\dropped.wav";
    SendMessageA(controls.bars[4], WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop(path)), 0);
    EXPECT_EQ(program.currentPath, path);
}

TEST_F(ControlPanelTest, LayoutFollowsTheMainWindowFont) {
    Create();
    HDC dc = GetDC(window_);
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    ReleaseDC(window_, dc);
    LayoutMainWindow();
    const LayoutUnits& u = program.units;
    EXPECT_EQ(u.unitX, metrics.tmAveCharWidth);
    EXPECT_EQ(u.unitY, metrics.tmHeight / 2 + 1);
    EXPECT_EQ(u.unitA, 4);
    RECT window, client;
    GetWindowRect(window_, &window);
    GetClientRect(window_, &client);
    // The frame comes on top of the client width, and every control fits.
    EXPECT_EQ(client.right, WindowClientWidth(u));
    EXPECT_LT(RectInParent(controls.reset).right, client.right);
    // The position bar below the level meter makes the window taller.
    EXPECT_EQ(client.bottom, WindowClientHeight(u));
    EXPECT_EQ(RectInParent(controls.stop).left, ClientWidth(u) - 8 * u.unitX);
    EXPECT_EQ(RectInParent(controls.balance).left, (2 * ClientWidth(u) - 61 * u.unitX) / 2);
    EXPECT_EQ(RectInParent(controls.radios[1]).top, 6 * u.unitY);
    // The equalizer panel follows too, so the graph area never covers it.
    EXPECT_EQ(RectInParent(controls.bars[0]).top, 18 * u.unitY + 100);
    EXPECT_GE(RectInParent(controls.bars[0]).top, 17 * u.unitY + 100);
}

std::string Label(HMENU menu, UINT item, UINT flags) {
    char text[128] = "";
    GetMenuStringA(menu, item, text, sizeof text, flags);
    return text;
}

TEST_F(ControlPanelTest, LocalizeMenuInJapanese) {
    program.japaneseMode = true;
    MakeWindow(LoadMenuA(GetModuleHandleA(nullptr), "LOMVEXMENU"));
    LocalizeMenu(window_);
    HMENU menu = GetMenu(window_);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(mainMenu, menu);
    for (int k = 0; k < ja::kMenuPopupCount; ++k)
        EXPECT_EQ(Label(menu, k, MF_BYPOSITION), ja::kMenuPopups[k].newStyle) << k;
    for (const MenuLabel& item : ja::kMenuItems) {
        EXPECT_EQ(Label(menu, item.positionOrId, MF_BYCOMMAND), item.newStyle);
    }
    for (int id : {IDM_SAVE, IDM_INFO, IDM_PLAY, IDM_STOP, IDM_PAUSE})
        EXPECT_TRUE(GetMenuState(menu, id, MF_BYCOMMAND) & MF_GRAYED) << id;
    EXPECT_FALSE(GetMenuState(menu, IDM_OPEN, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_EQ(GetMenuItemCount(GetSubMenu(menu, 0)), 7);  // popups keep their items

    program.windowsVersion = 0x030A;
    LocalizeMenu(window_);
    EXPECT_EQ(Label(menu, 0, MF_BYPOSITION), ja::kMenuPopups[0].olderShell);
    EXPECT_EQ(Label(menu, IDM_HELP, MF_BYCOMMAND), ja::kMenuItems[9].olderShell);
}

TEST_F(ControlPanelTest, LocalizeMenuInEnglishOnlyKeepsTheMenu) {
    MakeWindow(LoadMenuA(GetModuleHandleA(nullptr), "LOMVEXMENU"));
    LocalizeMenu(window_);
    EXPECT_EQ(mainMenu, GetMenu(window_));
    EXPECT_EQ(Label(mainMenu, 0, MF_BYPOSITION), "&FILE");
    EXPECT_EQ(Label(mainMenu, IDM_HELP, MF_BYCOMMAND), "&Help...\tF1");
}

}  // namespace
}  // namespace lomvex
