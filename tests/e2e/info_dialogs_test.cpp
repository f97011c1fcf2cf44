// Wave information and Wave detail on the real program, over real files.
#include <gtest/gtest.h>

#include <string>

#include "e2e/e2e_support.h"
#include "resources/ids.h"

namespace lomvex::e2e {
namespace {

// The text of control `id` of `dialog`, without the padding of its format.
std::string Field(HWND dialog, int id) {
    std::string text = WindowText(GetDlgItem(dialog, id));
    size_t first = text.find_first_not_of(' ');
    return first == std::string::npos ? "" : text.substr(first);
}

class InfoDialogsTest : public SongTest {
   protected:
    // Information, then its Detail button: the detail dialog.
    HWND OpenDetail(HWND info) {
        PressButton(info, IDC_INFO_DETAIL);
        return program_.FindDialog("Wave Detail");
    }
};

TEST_F(InfoDialogsTest, AWaveShowsItsFormatAndEveryHeaderField) {
    const Bytes wave = WaveOf(StereoTones(441000, 440, 660));  // 10 s, 1,764,000 bytes
    StartOn("ten.wav", wave, {}, "info");
    program_.PostCommand(IDM_INFO);
    HWND info = program_.FindDialog("Wave Information");
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(Field(info, IDC_INFO_FREQUENCY), "44kHz");
    EXPECT_EQ(Field(info, IDC_INFO_CHANNELS), "2");
    EXPECT_EQ(Field(info, IDC_INFO_BIT_RATE), "16 bit");
    EXPECT_EQ(WindowText(GetDlgItem(info, IDC_INFO_BIT_RATE_LABEL)), "Bits");
    EXPECT_EQ(Field(info, IDC_INFO_TOTAL_TIME), "10.0 sec");

    HWND detail = OpenDetail(info);
    ASSERT_NE(detail, nullptr);
    EXPECT_EQ(Field(detail, IDC_DETAIL_FILE_SIZE), std::to_string(wave.size()));
    EXPECT_EQ(Field(detail, IDC_DETAIL_RIFF_ID), "RIFF");
    EXPECT_EQ(Field(detail, IDC_DETAIL_RIFF_SIZE), std::to_string(wave.size() - 8));
    EXPECT_EQ(Field(detail, IDC_DETAIL_RIFF_TYPE), "WAVE");
    EXPECT_EQ(Field(detail, IDC_DETAIL_CHUNK_ID), "fmt ");
    EXPECT_EQ(Field(detail, IDC_DETAIL_CHUNK_SIZE), "16");
    EXPECT_EQ(Field(detail, IDC_DETAIL_TAG), "1");
    EXPECT_EQ(Field(detail, IDC_DETAIL_TAG_HINT), "PCM");
    EXPECT_EQ(Field(detail, IDC_DETAIL_CHANNELS), "2");
    EXPECT_EQ(Field(detail, IDC_DETAIL_RATE), "44100");
    EXPECT_EQ(Field(detail, IDC_DETAIL_BYTE_RATE), "176400");
    EXPECT_EQ(Field(detail, IDC_DETAIL_BLOCK_ALIGN), "4");
    EXPECT_EQ(Field(detail, IDC_DETAIL_BITS), "16");
    EXPECT_EQ(Field(detail, IDC_DETAIL_NEXT_CHUNK_ID), "data");
    EXPECT_EQ(Field(detail, IDC_DETAIL_NEXT_CHUNK_SIZE), "1764000");
    PressButton(detail, IDOK);
    // Information closed the file: Play opens it again.
    EXPECT_TRUE(WaitUntil([&] { return program_.IsEnabled(IDM_PLAY); }));
}

TEST_F(InfoDialogsTest, AnMp3ShowsItsBitRateAndTheParsersDump) {
    StartOn("tone.mp3", ReadBytes(WindowsPath(LOMVEX_TEST_DATA "/cbr128.mp3")), {}, "info");
    program_.PostCommand(IDM_INFO);
    HWND info = program_.FindDialog("Wave Information");
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(Field(info, IDC_INFO_BIT_RATE), "128 kbps");
    EXPECT_EQ(WindowText(GetDlgItem(info, IDC_INFO_TOTAL_TIME_LABEL)), "Data Size");
    EXPECT_NE(Field(info, IDC_INFO_TOTAL_TIME).find(" KB"), std::string::npos);

    HWND detail = OpenDetail(info);
    ASSERT_NE(detail, nullptr);
    HWND dump = FindWindowExA(detail, nullptr, "Edit", nullptr);
    ASSERT_NE(dump, nullptr);
    EXPECT_FALSE(WindowText(dump).empty());
    PressButton(detail, IDOK);
}

}  // namespace
}  // namespace lomvex::e2e
