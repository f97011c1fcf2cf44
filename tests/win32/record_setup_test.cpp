// The record setup dialog in process, from the program's own template, with
// the input device's answer injected: the buttons and controls an input
// mask opens it with, Cancel putting the settings back, OK refused with a
// box owned by the dialog, the texts in both languages; then the real input
// mapper's answer for plain PCM formats.
#include <windows.h>
#include <mmsystem.h>

#include <gtest/gtest.h>

#include <vector>

#include "base/base_texts.h"
#include "base/program_state.h"
#include "base/win32/main_window_handle.h"
#include "dialogs/record_setup.h"
#include "dialogs/win32/record_setup_proc.h"
#include "resources/ids.h"
#include "win32/capturing_sink.h"

namespace lomvex {
namespace {

std::vector<FormatFields> queries;  // what OK asked the injected device
bool deviceAccepts = true;

bool InjectedQuery(const FormatFields& format) {
    queries.push_back(format);
    return deviceAccepts;
}

class RecordSetupDialogTest : public ::testing::Test {
   protected:
    void SetUp() override {
        program = ProgramState{};
        program.windowsVersion = 0x0601;
        instanceHandle = GetModuleHandleA(nullptr);
        queries.clear();
        deviceAccepts = true;
    }
    void TearDown() override {
        if (dialog_) DestroyWindow(dialog_);
        program = ProgramState{};
    }
    // Opens the dialog shown, so that its end (which hides it) can be seen,
    // and off the screen, where the display never maps it: mapping and
    // unmapping a window takes seconds without a window manager.
    HWND Open(uint32_t inputFormats) {
        request_.inputFormats = inputFormats;
        request_.query = InjectedQuery;
        dialog_ = CreateDialogParamA(instanceHandle, "RECOPEN", nullptr, NEWFILE,
                                     reinterpret_cast<LPARAM>(&request_));
        if (dialog_) {
            SetWindowPos(dialog_, nullptr, -10000, -10000, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
        }
        return dialog_;
    }
    bool Checked(int id) { return IsDlgButtonChecked(dialog_, id) == BST_CHECKED; }
    bool Enabled(int id) { return IsWindowEnabled(GetDlgItem(dialog_, id)) != FALSE; }
    void Click(int id) { SendDlgItemMessageA(dialog_, id, BM_CLICK, 0, 0); }
    void Command(int id) { SendMessageA(dialog_, WM_COMMAND, id, 0); }

    testing::CapturingSink sink;
    RecordSetupRequest request_;
    HWND dialog_ = nullptr;
};

TEST_F(RecordSetupDialogTest, AnElevenKilohertzMonoDeviceLeavesOneChoice) {
    ASSERT_NE(Open(0x001), nullptr);  // WAVE_FORMAT_1M08 only
    EXPECT_TRUE(Checked(IDC_REC_RATE_11K));
    EXPECT_TRUE(Checked(IDC_REC_MONAURAL));
    EXPECT_TRUE(Checked(IDC_REC_BITS_8));
    for (int id = IDC_REC_RATE_GROUP; id <= IDC_REC_BITS_8; ++id) EXPECT_FALSE(Enabled(id)) << id;
    EXPECT_TRUE(Enabled(IDOK));

    Command(IDOK);
    ASSERT_EQ(queries.size(), 1u);
    EXPECT_EQ(queries[0].samplesPerSec, 11025u);
    EXPECT_EQ(queries[0].channels, 1);
    EXPECT_EQ(queries[0].bitsPerSample, 8);
    EXPECT_EQ(queries[0].blockAlign, 1);
    EXPECT_EQ(queries[0].avgBytesPerSec, 11025u);
    EXPECT_FALSE(IsWindowVisible(dialog_));  // ended
    EXPECT_TRUE(sink.boxes.empty());
    EXPECT_EQ(program.settings.freq, 11025u);
}

TEST_F(RecordSetupDialogTest, CancelPutsBackWhatTheDialogFound) {
    program.settings.freq = 44100;
    ASSERT_NE(Open(0x0FF), nullptr);  // no 44 kHz format
    EXPECT_TRUE(Checked(IDC_REC_RATE_22K));
    EXPECT_FALSE(Enabled(IDC_REC_RATE_44K));
    EXPECT_TRUE(Enabled(IDC_REC_RATE_22K));
    EXPECT_EQ(program.settings.freq, 22050u);

    Click(IDC_REC_RATE_11K);
    Click(IDC_REC_MONAURAL);
    Click(IDC_REC_BITS_8);
    EXPECT_TRUE(Checked(IDC_REC_RATE_11K));
    EXPECT_FALSE(Checked(IDC_REC_RATE_22K));
    EXPECT_FALSE(Checked(IDC_REC_STEREO));
    EXPECT_EQ(program.settings.freq, 11025u);  // each click stores at once
    EXPECT_EQ(program.settings.channel, 1);
    EXPECT_EQ(program.settings.bits, 8);

    Command(IDCANCEL);
    EXPECT_FALSE(IsWindowVisible(dialog_));
    EXPECT_EQ(program.settings.freq, 44100u);
    EXPECT_EQ(program.settings.channel, 2);
    EXPECT_EQ(program.settings.bits, 16);
    EXPECT_TRUE(queries.empty());
}

TEST_F(RecordSetupDialogTest, OkRefusedShowsTheBoxAndStaysOpen) {
    program.settings.freq = 48000;  // from the command line
    deviceAccepts = false;
    ASSERT_NE(Open(0xFFF), nullptr);
    EXPECT_FALSE(Checked(IDC_REC_RATE_44K) || Checked(IDC_REC_RATE_22K) ||
                 Checked(IDC_REC_RATE_11K));
    Command(IDOK);
    ASSERT_EQ(queries.size(), 1u);
    EXPECT_EQ(queries[0].samplesPerSec, 48000u);
    EXPECT_EQ(queries[0].avgBytesPerSec, 192000u);
    ASSERT_EQ(sink.boxes.size(), 1u);
    EXPECT_EQ(sink.boxes[0].text, "No support this format");
    EXPECT_EQ(sink.boxes[0].icon, BoxIcon::Exclamation);
    EXPECT_EQ(sink.boxes[0].owner, BoxOwner::Window);
    EXPECT_EQ(sink.boxes[0].ownerWindow, dialog_);
    EXPECT_TRUE(IsWindowVisible(dialog_));

    deviceAccepts = true;  // the user picks a rate the device takes
    Click(IDC_REC_RATE_22K);
    Command(IDOK);
    EXPECT_FALSE(IsWindowVisible(dialog_));
    EXPECT_EQ(program.settings.freq, 22050u);
    EXPECT_EQ(sink.boxes.size(), 1u);
}

TEST_F(RecordSetupDialogTest, TheTemplateIsEnglishAndJapaneseModeRelabelsIt) {
    char text[64] = "";
    ASSERT_NE(Open(0xFFF), nullptr);
    GetWindowTextA(dialog_, text, sizeof text);
    EXPECT_STREQ(text, RecordCaption(false));
    for (const DialogLabel& label : kRecordLabels) {
        GetDlgItemTextA(dialog_, label.id, text, sizeof text);
        EXPECT_STREQ(text, label.english) << label.id;
    }
    DestroyWindow(dialog_);

    program.japaneseMode = true;
    SetJapaneseMessages(true);
    deviceAccepts = false;
    ASSERT_NE(Open(0xFFF), nullptr);
    GetWindowTextA(dialog_, text, sizeof text);
    EXPECT_STREQ(text, RecordCaption(true));
    for (const DialogLabel& label : kRecordLabels) {
        GetDlgItemTextA(dialog_, label.id, text, sizeof text);
        EXPECT_STREQ(text, label.japanese) << label.id;
    }
    Command(IDOK);
    ASSERT_EQ(sink.boxes.size(), 1u);
    EXPECT_EQ(sink.boxes[0].text, ja::kNoRecordDriver);
}

TEST(RecordSetupQuery, TheInputMapperTakesPlainPcm) {
    if (waveInGetNumDevs() == 0) GTEST_SKIP() << "no wave input device";
    RecordSetup setup;
    EXPECT_TRUE(InputRecordsFormat(RecordQueryFormat(setup)));
    setup.freq = 22050;
    setup.channel = 1;
    setup.bits = 8;
    EXPECT_TRUE(InputRecordsFormat(RecordQueryFormat(setup)));
}

}  // namespace
}  // namespace lomvex
