// Opening, playing, pausing and stopping the real program.
#include <gtest/gtest.h>

#include "common/tone_measure.h"
#include "e2e/e2e_support.h"
#include "resources/ids.h"

namespace lomvex::e2e {
namespace {

class PlaybackTest : public ::testing::Test {
   protected:
    std::string Song(uint32_t seconds) {
        std::string path = folder_ + "\\tune.wav";
        EXPECT_TRUE(WriteBytes(path, WaveOf(StereoTones(44100 * seconds, 330, 495))));
        return path;
    }
    std::string folder_ = ProfileWith("play");
    LomvexProcess program_;
};

TEST_F(PlaybackTest, SlashPPlaysTheSongAndClosesAtItsEnd) {
    std::string played = PlayedSoundPath();
    DeleteFileA(played.c_str());
    ASSERT_TRUE(program_.Start(Song(2) + " /P", folder_));
    ASSERT_NE(program_.MainWindow(), nullptr);
    EXPECT_EQ(WindowText(program_.MainWindow()), "tune.wav - Lomvex");
    EXPECT_EQ(program_.WaitForExit(30000), 0);
    // The device (16-bit stereo at 44.1 kHz in the test set-up) received
    // the whole song: two seconds, and less than one more buffer of padding.
    double seconds = ReadBytes(played).size() / 176400.0;
    EXPECT_GE(seconds, 1.95);
    EXPECT_LE(seconds, 2.5);
}

// At half the tempo the device receives the song twice as long, at its
// pitch.
TEST_F(PlaybackTest, AHalfTempoPlaysTheSongTwiceAsLongAtItsPitch) {
    folder_ = ProfileWith("play", {{"tempo", "50"}});
    std::string played = PlayedSoundPath();
    DeleteFileA(played.c_str());
    ASSERT_TRUE(program_.Start(Song(2) + " /P", folder_));
    EXPECT_EQ(program_.WaitForExit(30000), 0);
    const std::vector<uint8_t> bytes = ReadBytes(played);
    const double seconds = bytes.size() / 176400.0;
    EXPECT_GE(seconds, 3.95);
    EXPECT_LE(seconds, 4.5);
    std::vector<double> left;
    for (size_t i = 0; i + 3 < bytes.size(); i += 4)
        left.push_back(static_cast<int16_t>(bytes[i] | bytes[i + 1] << 8));
    EXPECT_NEAR(testing::MeasuredHz(left, 44100, 0.5, 3.5), 330, 0.5);
}

TEST_F(PlaybackTest, StopKeepsTheProgramOpen) {
    ASSERT_TRUE(program_.Start("\"" + Song(20) + "\" /P", folder_));
    ASSERT_TRUE(WaitUntil([&] { return program_.IsEnabled(IDM_STOP); }));
    EXPECT_FALSE(program_.IsEnabled(IDM_PLAY));
    program_.PostCommand(IDM_STOP);
    ASSERT_TRUE(WaitUntil([&] { return program_.IsEnabled(IDM_PLAY); }));
    EXPECT_FALSE(program_.IsEnabled(IDM_STOP));
    EXPECT_FALSE(program_.IsEnabled(IDM_PAUSE));
    EXPECT_EQ(program_.WaitForExit(1000), -1);
    program_.Close();
    EXPECT_EQ(program_.WaitForExit(), 0);
}

TEST_F(PlaybackTest, PauseTogglesItsButtonAndStopRestoresIt) {
    ASSERT_TRUE(program_.Start("\"" + Song(20) + "\"", folder_));
    ASSERT_TRUE(WaitUntil([&] { return program_.IsEnabled(IDM_PLAY); }));
    EXPECT_FALSE(program_.IsEnabled(IDM_STOP));
    program_.PostCommand(IDM_PLAY);
    ASSERT_TRUE(WaitUntil([&] { return program_.IsEnabled(IDM_PAUSE); }));
    HWND pause = program_.Control(IDM_PAUSE);
    program_.PostCommand(IDM_PAUSE);
    EXPECT_TRUE(WaitUntil([&] { return WindowText(pause) == "Cont"; }));
    program_.PostCommand(IDM_PAUSE);
    EXPECT_TRUE(WaitUntil([&] { return WindowText(pause) == "Pause"; }));
    program_.PostCommand(IDM_PAUSE);
    EXPECT_TRUE(WaitUntil([&] { return WindowText(pause) == "Cont"; }));
    program_.PostCommand(IDM_STOP);
    EXPECT_TRUE(WaitUntil([&] { return WindowText(pause) == "Pause"; }));
    EXPECT_TRUE(WaitUntil([&] { return program_.IsEnabled(IDM_PLAY); }));
    program_.Close();
    EXPECT_EQ(program_.WaitForExit(), 0);
}

TEST_F(PlaybackTest, ClosingWhilePlayingStillWritesTheSettings) {
    ASSERT_TRUE(program_.Start("\"" + Song(20) + "\" /P", folder_));
    ASSERT_TRUE(WaitUntil([&] { return program_.IsEnabled(IDM_STOP); }));
    std::string ini = folder_ + "\\lomvex.INI";
    DeleteFileA(ini.c_str());
    program_.Close();
    EXPECT_EQ(program_.WaitForExit(), 0);
    char value[16];
    GetPrivateProfileStringA("lomvex", "fftmode", "", value, sizeof value, ini.c_str());
    EXPECT_STREQ(value, "152");
}

TEST_F(PlaybackTest, AFileThatIsNotSoundIsReported) {
    std::string path = folder_ + "\\notes.txt";
    WriteBytes(path, Bytes(300, 'a'));
    ASSERT_TRUE(program_.Start("\"" + path + "\"", folder_));
    MessageBoxInfo box = program_.FindMessageBox();
    EXPECT_EQ(box.text, "This file is not WAVE file");
    EXPECT_EQ(box.caption, "Error");
    LomvexProcess::Answer(box);
    program_.Close();
    EXPECT_EQ(program_.WaitForExit(), 0);
}

}  // namespace
}  // namespace lomvex::e2e
