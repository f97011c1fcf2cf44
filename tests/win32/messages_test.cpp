// The message module with the program's real string table.
#include <windows.h>

#include <gtest/gtest.h>

#include "resources/ids.h"
#include "win32/capturing_sink.h"

namespace lomvex {
namespace {

TEST(StringTable, HoldsTheEnglishMessages) {
    EXPECT_STREQ(LoadText(IDS_DISK_ERROR), "Disk I/O Error!\nRecording Stop.");
    EXPECT_STREQ(LoadText(IDS_DATA_LOCK_FAILED), "data lock failed %d %ld");
    EXPECT_STREQ(LoadText(IDS_CANT_OPEN_WAVEOUT), "can't open WaveOut device");
    EXPECT_STREQ(LoadText(IDS_NOT_WAVE_FILE), "This file is not WAVE file");
    EXPECT_STREQ(LoadText(IDS_PLAY_OPEN), "Play Open");
}

TEST(StringTable, LoadTextSharesOneBuffer) {
    const char* first = LoadText(IDS_NO_DATA);
    const char* second = LoadText(IDS_DATA_EMPTY);
    EXPECT_EQ(first, second);
    EXPECT_STREQ(first, "data empty");
}

TEST(UserMessage, FormatsItsArguments) {
    testing::CapturingSink sink;
    ShowUserMessage(IDS_DATA_LOCK_FAILED, nullptr, 3, 16384L);
    ASSERT_EQ(sink.boxes.size(), 1u);
    EXPECT_EQ(sink.boxes[0].text, "data lock failed 3 16384");
    EXPECT_EQ(sink.boxes[0].owner, BoxOwner::MainWindow);
}

TEST(MmError, NamesOnlyTheResultsItKnows) {
    testing::CapturingSink sink;
    EXPECT_EQ(ShowMmError(0, "acm_open"), 0);
    EXPECT_EQ(ShowMmError(8, "acm_open"), 0);
    EXPECT_EQ(ShowMmError(512, "acm_convert"), 1);
    EXPECT_EQ(ShowMmError(7, "acm_size_def"), 1);
    ASSERT_EQ(sink.boxes.size(), 2u);
    EXPECT_EQ(sink.boxes[0].text, "ACMERR_NOTPOSSIBLE");
    EXPECT_EQ(sink.boxes[0].caption, "acm_convert");
    EXPECT_EQ(sink.boxes[0].icon, BoxIcon::None);
    EXPECT_EQ(sink.boxes[1].text, "MMSYSERR_NOMEM");
}

}  // namespace
}  // namespace lomvex
