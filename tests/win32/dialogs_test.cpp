// The Options dialog in process, from the program's own template: the rate
// and tempo scrollbars and their texts, Cancel putting both back, OK
// storing what the controls show, the template's labels and the Japanese
// relabelling (its bytes are checked natively); and the About box's device
// counts.
#include <windows.h>
#include <mmsystem.h>

#include <gtest/gtest.h>

#include <string>

#include "base/program_state.h"
#include "base/win32/main_window_handle.h"
#include "dialogs/options_dialog.h"
#include "dialogs/win32/about_box_proc.h"
#include "dialogs/win32/dialog_look.h"
#include "dialogs/win32/options_dialog_proc.h"
#include "resources/ids.h"
#include "win32/capturing_sink.h"

namespace lomvex {
namespace {

std::string Text(HWND dialog, int id) {
    char text[128] = "";
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

class OptionsDialogTest : public ::testing::Test {
   protected:
    void SetUp() override {
        program = ProgramState{};
        program.windowsVersion = 0x0601;
        program.units = {6, 11, 8};
        instanceHandle = GetModuleHandleA(nullptr);
    }
    void TearDown() override {
        if (dialog_) DestroyWindow(dialog_);
        program = ProgramState{};
    }
    HWND Open() {
        dialog_ = CreateDialogParamA(instanceHandle, "OPTION", nullptr, OPTION, 0);
        return dialog_;
    }
    void Scroll(int code, int position = 0, int bar = IDC_OPTION_RATE_BAR) {
        SendMessageA(dialog_, WM_HSCROLL, MAKEWPARAM(code, position),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog_, bar)));
    }

    testing::CapturingSink sink;
    HWND dialog_ = nullptr;
};

TEST_F(OptionsDialogTest, TheRateFollowsItsScrollbarAndCancelPutsItBack) {
    program.playingRate = 5;
    ASSERT_NE(Open(), nullptr);
    EXPECT_EQ(Text(dialog_, IDC_OPTION_RATE_TEXT), "102.9%");
    Scroll(SB_PAGELEFT);
    for (int i = 0; i < 10; ++i) Scroll(SB_LINELEFT);
    EXPECT_EQ(program.playingRate, -15);
    EXPECT_EQ(Text(dialog_, IDC_OPTION_RATE_TEXT), "91.7%");
    EXPECT_EQ(Text(dialog_, IDC_OPTION_PITCH_TEXT), " -1.5");
    Scroll(SB_THUMBTRACK, 115);
    Scroll(SB_PAGERIGHT);
    EXPECT_EQ(program.playingRate, 120);
    EXPECT_EQ(GetScrollPos(GetDlgItem(dialog_, IDC_OPTION_RATE_BAR), SB_CTL), 120);
    EXPECT_EQ(Text(dialog_, IDC_OPTION_RATE_TEXT), "200.0%");
    EXPECT_EQ(Text(dialog_, IDC_OPTION_PITCH_TEXT), "+12.0");
    SendMessageA(dialog_, WM_COMMAND, IDCANCEL, 0);
    EXPECT_EQ(program.playingRate, 5);
}

TEST_F(OptionsDialogTest, TheTempoFollowsItsScrollbarAtOnceAndCancelPutsItBack) {
    program.settings.tempo = 90;
    program.playingRate = 5;
    ASSERT_NE(Open(), nullptr);
    HWND bar = GetDlgItem(dialog_, IDC_OPTION_TEMPO_BAR);
    int low = 0, high = 0;
    GetScrollRange(bar, SB_CTL, &low, &high);
    EXPECT_EQ(low, 50);
    EXPECT_EQ(high, 200);
    EXPECT_EQ(GetScrollPos(bar, SB_CTL), 90);
    EXPECT_EQ(Text(dialog_, IDC_OPTION_TEMPO_TEXT), "90%");
    Scroll(SB_PAGELEFT, 0, IDC_OPTION_TEMPO_BAR);
    Scroll(SB_LINELEFT, 0, IDC_OPTION_TEMPO_BAR);
    EXPECT_EQ(program.settings.tempo, 79);
    EXPECT_EQ(Text(dialog_, IDC_OPTION_TEMPO_TEXT), "79%");
    Scroll(SB_THUMBTRACK, 190, IDC_OPTION_TEMPO_BAR);
    Scroll(SB_PAGERIGHT, 0, IDC_OPTION_TEMPO_BAR);
    EXPECT_EQ(program.settings.tempo, 200);
    EXPECT_EQ(GetScrollPos(bar, SB_CTL), 200);
    EXPECT_EQ(Text(dialog_, IDC_OPTION_TEMPO_TEXT), "200%");
    EXPECT_EQ(program.playingRate, 5);  // the two bars are apart
    EXPECT_EQ(Text(dialog_, IDC_OPTION_RATE_TEXT), "102.9%");
    SendMessageA(dialog_, WM_COMMAND, IDCANCEL, 0);
    EXPECT_EQ(program.settings.tempo, 90);
}

TEST_F(OptionsDialogTest, TheNewShellLayoutKeepsEveryControlInside) {
    program.units = {4, 6, 2};  // a main-window font far smaller than the dialog's
    ASSERT_NE(Open(), nullptr);
    RECT client;
    GetClientRect(dialog_, &client);
    for (int id : {IDOK, IDCANCEL, IDC_OPTION_LEVEL_WARNING, IDC_OPTION_KEEP_TEMPO,
                   IDC_OPTION_WINDOW_LIST, IDC_OPTION_TEMPO_BAR, IDC_OPTION_VOICE_STEREO}) {
        RECT r;
        GetWindowRect(GetDlgItem(dialog_, id), &r);
        MapWindowPoints(nullptr, dialog_, reinterpret_cast<POINT*>(&r), 2);
        EXPECT_LE(r.bottom, client.bottom) << id;
        EXPECT_LE(r.right, client.right + 2) << id;
    }
}

TEST_F(OptionsDialogTest, OkStoresWhatTheControlsShow) {
    program.settings.deltatime = 4096;
    program.settings.fftparam = 12;
    ASSERT_NE(Open(), nullptr);
    HWND length = GetDlgItem(dialog_, IDC_OPTION_LENGTH_LIST);
    EXPECT_EQ(SendMessageA(length, CB_GETCURSEL, 0, 0), 3);  // "1/3 sec"
    char item[16] = "";
    SendMessageA(GetDlgItem(dialog_, IDC_OPTION_FFT_SIZE_LIST), CB_GETLBTEXT, 4,
                 reinterpret_cast<LPARAM>(item));
    EXPECT_STREQ(item, " 2048");
    EXPECT_EQ(SendDlgItemMessageA(dialog_, IDC_OPTION_FFT_SIZE_LIST, CB_GETCURSEL, 0, 0), 4);

    SendMessageA(length, CB_SETCURSEL, 0, 0);  // "3 sec  "
    CheckDlgButton(dialog_, IDC_OPTION_PEAK_DECAY, BST_UNCHECKED);
    CheckDlgButton(dialog_, IDC_OPTION_PEAK_CONST, BST_CHECKED);
    CheckDlgButton(dialog_, IDC_OPTION_GRAPHIC, BST_UNCHECKED);
    CheckDlgButton(dialog_, IDC_OPTION_EASY, BST_CHECKED);
    CheckDlgButton(dialog_, IDC_OPTION_COPY_VALUE, BST_CHECKED);
    Scroll(SB_LINERIGHT);
    SendMessageA(dialog_, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(program.settings.deltatime, 32768u);
    EXPECT_EQ(program.settings.fftparam, 12);
    EXPECT_EQ(program.settings.PeakHold, 2);
    EXPECT_EQ(program.settings.fftmode, kFftModeEasy);
    EXPECT_EQ(program.settings.useclip, 1);
    EXPECT_EQ(program.playingRate, 1);  // OK keeps the moved rate
}

TEST_F(OptionsDialogTest, TheThreeDimensionItemRemakesBothBarsWithTheirValues) {
    program.settings.dialog3d = 1;
    program.playingRate = -15;
    ASSERT_NE(Open(), nullptr);
    Scroll(SB_THUMBPOSITION, 75, IDC_OPTION_TEMPO_BAR);
    SendMessageA(dialog_, WM_SYSCOMMAND, kDialog3dCommand, 0);
    EXPECT_EQ(program.settings.dialog3d, 0);
    for (int id : {IDC_OPTION_RATE_BAR, IDC_OPTION_TEMPO_BAR}) {
        HWND bar = GetDlgItem(dialog_, id);
        ASSERT_NE(bar, nullptr) << id;
        EXPECT_TRUE(GetWindowLongA(bar, GWL_STYLE) & WS_BORDER) << id;
        int low = 0, high = 0;
        GetScrollRange(bar, SB_CTL, &low, &high);
        EXPECT_EQ(high - low, id == IDC_OPTION_RATE_BAR ? 240 : 150) << id;
        EXPECT_EQ(GetScrollPos(bar, SB_CTL), id == IDC_OPTION_RATE_BAR ? -15 : 75) << id;
    }
    Scroll(SB_LINERIGHT, 0, IDC_OPTION_TEMPO_BAR);  // the new bar is the one scrolled
    EXPECT_EQ(program.settings.tempo, 76);
    EXPECT_EQ(GetScrollPos(GetDlgItem(dialog_, IDC_OPTION_TEMPO_BAR), SB_CTL), 76);
}

TEST_F(OptionsDialogTest, OkKeepsTheMovedTempo) {
    ASSERT_NE(Open(), nullptr);
    Scroll(SB_THUMBPOSITION, 75, IDC_OPTION_TEMPO_BAR);
    SendMessageA(dialog_, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(program.settings.tempo, 75);
}

TEST_F(OptionsDialogTest, TheTemplateShowsTheEnglishLabels) {
    ASSERT_NE(Open(), nullptr);
    for (const DialogLabel& label : kOptionLabels)
        EXPECT_EQ(Text(dialog_, label.id), label.english) << label.id;
}

TEST_F(OptionsDialogTest, JapaneseModeRelabelsEveryControl) {
    program.japaneseMode = true;
    program.settings.useclip = 1;
    program.playingRate = -15;
    ASSERT_NE(Open(), nullptr);
    char caption[64] = "";
    GetWindowTextA(dialog_, caption, sizeof caption);
    EXPECT_STREQ(caption, OptionCaption(true));
    for (const DialogLabel& label : kOptionLabels)
        EXPECT_EQ(Text(dialog_, label.id), label.japanese) << label.id;
    EXPECT_EQ(Text(dialog_, IDC_OPTION_PITCH_TEXT), OptionRateTexts(-15, true, true, false).pitch);
    char item[32] = "";
    SendDlgItemMessageA(dialog_, IDC_OPTION_WINDOW_LIST, CB_GETLBTEXT, 2, reinterpret_cast<LPARAM>(item));
    EXPECT_STREQ(item, WindowListItems(true).texts[2]);
}

TEST(AboutBox, CountsTheDevicesWhenItOpens) {
    testing::CapturingSink sink;
    program = ProgramState{};
    instanceHandle = GetModuleHandleA(nullptr);
    HWND dialog = CreateDialogParamA(instanceHandle, "ABOUT", nullptr, ABOUTBOX, 0);
    ASSERT_NE(dialog, nullptr);
    char expected[64];
    wsprintfA(expected, "record device=%2d  play device=%2d", waveInGetNumDevs(), waveOutGetNumDevs());
    EXPECT_EQ(Text(dialog, IDC_ABOUT_DEVICE_COUNT), expected);
    EXPECT_EQ(Text(dialog, IDC_ABOUT_VERSION), "lomvex  Version 0.02");
    char caption[64] = "";
    GetWindowTextA(dialog, caption, sizeof caption);
    EXPECT_STREQ(caption, "About Lomvex");
    DestroyWindow(dialog);
}

}  // namespace
}  // namespace lomvex
