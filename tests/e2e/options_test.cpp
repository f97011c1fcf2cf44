// The Options dialog on the real program: the rate and tempo texts follow
// their scrollbars, and what OK stores reaches the settings file written
// at exit.
// (The rate the sound device opens at is checked by the engine's Win32
// tests: Wine mixes every stream to its own device rate, so the played
// sound cannot tell it reliably.)
#include <gtest/gtest.h>

#include <string>

#include "e2e/e2e_support.h"
#include "resources/ids.h"

namespace lomvex::e2e {
namespace {

class OptionsTest : public SongTest {};

TEST_F(OptionsTest, OkIsAppliedAndWrittenAtExit) {
    StartOn("two.wav", WaveOf(StereoTones(2 * 44100, 330, 495)), {{"tempo", "60"}}, "options");
    program_.PostCommand(IDM_OPTION);
    HWND dialog = program_.FindDialog("Option");
    ASSERT_NE(dialog, nullptr);
    HWND bar = GetDlgItem(dialog, IDC_OPTION_RATE_BAR);
    SendMessageA(dialog, WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 120), reinterpret_cast<LPARAM>(bar));
    EXPECT_EQ(WindowText(GetDlgItem(dialog, IDC_OPTION_RATE_TEXT)), "200.0%");
    EXPECT_EQ(WindowText(GetDlgItem(dialog, IDC_OPTION_PITCH_TEXT)), "+12.0");
    EXPECT_EQ(WindowText(GetDlgItem(dialog, IDC_OPTION_TEMPO_TEXT)), "60%");
    HWND tempoBar = GetDlgItem(dialog, IDC_OPTION_TEMPO_BAR);
    SendMessageA(dialog, WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 150),
                 reinterpret_cast<LPARAM>(tempoBar));
    SendMessageA(dialog, WM_HSCROLL, MAKEWPARAM(SB_PAGELEFT, 0),
                 reinterpret_cast<LPARAM>(tempoBar));
    EXPECT_EQ(WindowText(GetDlgItem(dialog, IDC_OPTION_TEMPO_TEXT)), "140%");
    SendMessageA(GetDlgItem(dialog, IDC_OPTION_FFT_SIZE_LIST), CB_SETCURSEL, 4, 0);
    PressButton(dialog, IDOK);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
    // OK closed the input; Play opens it again and plays to the end.
    program_.PostCommand(IDM_PLAY);
    EXPECT_TRUE(WaitUntil([&] { return program_.IsEnabled(IDM_STOP); }));
    EXPECT_TRUE(WaitUntil([&] { return program_.IsEnabled(IDM_PLAY); }, 30000));

    EXPECT_EQ(CloseAndReadSetting("fftparam"), "12");
    EXPECT_EQ(ReadSetting("tempo"), "140");
}

}  // namespace
}  // namespace lomvex::e2e
