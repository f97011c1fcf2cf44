// The displays on a real control panel: the controls' shared key handling
// (focus order, radio steps, F1, clipboard copies), the bar labels, Reset
// and the info panel's source values.
#include <gtest/gtest.h>

#include "win32/panel_window.h"
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "audiofile/format_state.h"
#include "shell/win32/control_proc.h"
#include "shell/win32/equalizer_labels.h"
#include "display/win32/status_panel.h"
#include "engine/win32/open_play_file.h"
#include "shell/win32/window_engine_host.h"
#include "resources/ids.h"
#include "dsp/control_state.h"
#include "base/program_state.h"
#include "shell/shell_texts.h"
#include "shell/win32/control_panel.h"
#include "shell/win32/main_window.h"

namespace lomvex {
namespace {

constexpr char kTestClass[] = "LomvexDisplayControlsTest";

// WM_COMMAND ids the test window received; radio clicks check the radio as
// the program's command handling does.
std::vector<int> commands;

LRESULT CALLBACK TestWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND) {
        int id = LOWORD(wParam);
        commands.push_back(id);
        if (id >= IDC_CHANNEL_NOTHING && id <= IDC_CHANNEL_MINUS_ONE) {
            controlState.channel.operation = id;
            CheckRadioButton(window, IDC_CHANNEL_NOTHING, IDC_CHANNEL_MINUS_ONE, id);
        }
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

std::string Text(HWND window) {
    char text[300] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

std::string ClipboardText() {
    std::string text;
    if (!OpenClipboard(nullptr)) return "(clipboard busy)";
    HANDLE data = GetClipboardData(CF_TEXT);
    if (data) {
        const char* bytes = static_cast<const char*>(GlobalLock(data));
        if (bytes) text = bytes;
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

void SetClipboardMarker() {
    if (!OpenClipboard(nullptr)) return;
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, 7);
    std::memcpy(GlobalLock(memory), "marker", 7);
    GlobalUnlock(memory);
    SetClipboardData(CF_TEXT, memory);
    CloseClipboard();
}

void SetShift(bool down) {
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_SHIFT] = down ? 0x80 : 0;
    SetKeyboardState(keys);
}

class DisplayControlsTest : public ::testing::Test {
   protected:
    static void SetUpTestSuite() { testing::RegisterPanelWindowClass(kTestClass, TestWindowProc); }

    void SetUp() override {
        program = ProgramState{};
        program.windowsVersion = 0x0601;
        program.units = {6, 6, 4};
        program.settings.fftmode = kFftModeGraphic;
        program.settings.fftparam = 12;
        controlState = ControlState{};
        controls = ControlHandles{};
        formatState = FormatState{};
        instanceHandle = GetModuleHandleA(nullptr);
        commands.clear();
        window_ = testing::MakePanelWindow(kTestClass, "display test");
        ASSERT_TRUE(CreateControls());
        ApplyEqualizerMode();
    }

    void TearDown() override {
        SetShift(false);
        DestroyWindow(window_);
        mainWindow = nullptr;
        controls = ControlHandles{};
        program = ProgramState{};
    }

    // Sends `message` through the shared handling, as the subclass does.
    LRESULT Handle(HWND control, UINT message, WPARAM wParam, LPARAM lParam = 0) {
        ::WNDPROC previous = reinterpret_cast<::WNDPROC>(GetWindowLongPtrA(control, GWLP_WNDPROC));
        return HandleControlMessage(control, message, wParam, lParam, previous);
    }

    void Tab(HWND from, bool shift = false) {
        SetShift(shift);
        EXPECT_EQ(Handle(from, WM_KEYDOWN, VK_TAB), 0);
        SetShift(false);
    }

    HWND window_ = nullptr;
};

TEST_F(DisplayControlsTest, TabFollowsTheFixedOrder) {
    Tab(controls.play);
    EXPECT_EQ(GetFocus(), controls.balance);
    Tab(controls.balance);
    EXPECT_EQ(GetFocus(), controls.bars[0]);
    Tab(controls.bars[0]);
    EXPECT_EQ(GetFocus(), controls.bars[1]);
    Tab(controls.bars[19]);
    EXPECT_EQ(GetFocus(), controls.reset);
    Tab(controls.reset, true);
    EXPECT_EQ(GetFocus(), controls.bars[19]);
    // Play, Stop and Pause start disabled: Shift+Tab from the balance lands
    // on the checked radio button.
    controlState.channel.operation = IDC_CHANNEL_MONAURAL;
    Tab(controls.balance, true);
    EXPECT_EQ(GetFocus(), controls.radios[2]);
    // No entry for the drop target: the key is consumed, the focus stays.
    Tab(controls.dropTarget);
    EXPECT_EQ(GetFocus(), controls.radios[2]);
}

TEST_F(DisplayControlsTest, ArrowsStepTheRadioButtonsWithinTheirRange) {
    SetFocus(controls.radios[1]);
    commands.clear();
    EXPECT_EQ(Handle(controls.radios[1], WM_KEYDOWN, VK_DOWN), 0);
    EXPECT_EQ(controlState.channel.operation, IDC_CHANNEL_MONAURAL);
    EXPECT_EQ(GetFocus(), controls.radios[2]);
    ASSERT_FALSE(commands.empty());
    EXPECT_EQ(commands.back(), IDC_CHANNEL_MONAURAL);
    // Again from where the focus went: the steps go on.
    Handle(controls.radios[2], WM_KEYDOWN, VK_DOWN);
    EXPECT_EQ(controlState.channel.operation, IDC_CHANNEL_MINUS_ONE);
    Handle(controls.radios[3], WM_KEYDOWN, VK_DOWN);  // held at 514
    EXPECT_EQ(controlState.channel.operation, IDC_CHANNEL_MINUS_ONE);
    EXPECT_EQ(GetFocus(), controls.radios[3]);

    SetFocus(controls.radios[0]);
    commands.clear();
    Handle(controls.radios[0], WM_KEYDOWN, VK_UP);  // held at 511: selects 511 again
    ASSERT_FALSE(commands.empty());
    EXPECT_EQ(commands.back(), IDC_CHANNEL_NOTHING);
    EXPECT_EQ(controlState.channel.operation, IDC_CHANNEL_NOTHING);
    EXPECT_EQ(SendMessageA(controls.radios[0], BM_GETCHECK, 0, 0), BST_CHECKED);
}

TEST_F(DisplayControlsTest, F1AsksForHelp) {
    commands.clear();
    EXPECT_EQ(Handle(controls.bars[4], WM_KEYDOWN, VK_F1), 0);
    EXPECT_EQ(commands, std::vector<int>{IDM_HELP});
}

TEST_F(DisplayControlsTest, CopyKeysPutTheValueOnTheClipboardOnlyWithUseclip) {
    formatState.rateKhz = 44;
    HWND field = controls.fields[0];
    SetWindowTextA(field, "");
    SetClipboardMarker();
    // Off: the character reaches the control.
    Handle(field, WM_CHAR, 'c');
    EXPECT_EQ(Text(field), "c");
    EXPECT_EQ(ClipboardText(), "marker");

    program.settings.useclip = 1;
    EXPECT_EQ(Handle(controls.bars[19], WM_CHAR, 'C'), 0);
    EXPECT_EQ(ClipboardText(), " 16kilo to    22kiloHertz    0decibel");
    controlState.channel.balance = -5;
    Handle(controls.balance, WM_CHAR, 3);  // Ctrl+C
    EXPECT_EQ(ClipboardText(), "balance   -5");
    Handle(controls.radios[3], WM_CHAR, 'c');
    EXPECT_EQ(ClipboardText(), "L-R(minusOne)");
    SetWindowTextA(field, "1200");
    Handle(field, WM_CHAR, 'c');
    EXPECT_EQ(ClipboardText(), "1200");
    EXPECT_EQ(Text(field), "1200");  // the character never reached the field

    // A Tab character never reaches a field.
    Handle(field, WM_CHAR, '\t');
    EXPECT_EQ(Text(field), "1200");
}

TEST_F(DisplayControlsTest, BarLabelsFollowTheRateAndResetClearsTheBars) {
    formatState.rateKhz = 44;
    RefreshBarLabels();
    EXPECT_EQ(Text(controls.barLabels[19]), "19kilo");
    EXPECT_EQ(Text(controls.barLabels[0]), "21");
    program.settings.fftparam = 10;
    RefreshBarLabels();
    EXPECT_EQ(Text(controls.barLabels[0]), "15");

    program.settings.fftparam = 9;
    program.settings.eq[3] = -6;
    SetScrollPos(controls.bars[3], SB_CTL, -6, TRUE);
    SetWindowTextA(controls.bars[3], "old");
    ResetBars();
    for (int j = 0; j < kBarCount; ++j) EXPECT_EQ(program.settings.eq[j], 0);
    EXPECT_EQ(GetScrollPos(controls.bars[3], SB_CTL), 0);
    char expected[64];
    std::snprintf(expected, sizeof expected, kBarZeroGainFormat, 4, 0);
    EXPECT_EQ(Text(controls.bars[3]), expected);
    EXPECT_FALSE(IsWindowEnabled(controls.bars[0]));
    EXPECT_TRUE(IsWindowEnabled(controls.bars[2]));
}

// The reader hands a newly opened file's format to the engine's host, and
// the shell relabels the bars for its rate.
TEST_F(DisplayControlsTest, OpeningAFormatRelabelsTheBars) {
    SetEngineHost(&windowEngineHost);
    // 22050 Hz mono 16-bit PCM, as the reader keeps it.
    const uint8_t record[16] = {1, 0, 1, 0, 0x22, 0x56, 0, 0, 0x44, 0xAC, 0, 0, 2, 0, 16, 0};
    WindowsPlayFileHost().ShowFormat(record, sizeof record);
    SetEngineHost(nullptr);
    EXPECT_EQ(formatState.rateKhz, 22u);
    EXPECT_EQ(Text(controls.barLabels[19]), "9300");
}

}  // namespace
}  // namespace lomvex
