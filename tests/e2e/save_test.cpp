// Saving the processed song through the real Save dialog.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "e2e/e2e_support.h"
#include "resources/ids.h"

namespace lomvex::e2e {
namespace {

constexpr uint32_t kFrames = 44100 * 2;

class SaveTest : public ::testing::Test {
   protected:
    // Starts the program on a fresh song with the given settings.
    void Start(std::map<std::string, std::string> settings) {
        folder_ = ProfileWith("save", settings);
        samples_ = StereoTones(kFrames, 440, 660);
        song_ = folder_ + "\\song.wav";
        ASSERT_TRUE(WriteBytes(song_, WaveOf(samples_)));
        ASSERT_TRUE(program_.Start("\"" + song_ + "\"", folder_));
        ASSERT_NE(program_.MainWindow(), nullptr);
        ASSERT_TRUE(WaitUntil([&] { return program_.IsEnabled(IDM_PLAY); }));
    }
    // Saves through the dialog to `target`; returns the proposed name.
    std::string Save(const std::string& target) {
        program_.PostCommand(IDM_SAVE);
        std::string proposed;
        EXPECT_TRUE(program_.AnswerFileDialog("Save", target, &proposed));
        return proposed;
    }
    bool SaveFinished(const std::string& target) {
        return WaitUntil([&] { return ReadSavedWave(target).valid && program_.IsEnabled(IDM_PLAY); },
                         30000);
    }
    void TearDown() override {
        program_.Close();
        EXPECT_EQ(program_.WaitForExit(), 0);
    }

    LomvexProcess program_;
    std::string folder_, song_;
    std::vector<int16_t> samples_;
};

TEST_F(SaveTest, MinusOneWritesTheHalfDifferenceAsMono) {
    Start({{"mado", "2"}});
    program_.PostCommand(IDC_CHANNEL_MINUS_ONE);
    std::string target = folder_ + "\\minus.wav";
    std::string proposed = Save(target);
    EXPECT_EQ(proposed.substr(proposed.size() - 11), "song_MO.WAV");
    ASSERT_TRUE(SaveFinished(target));
    SavedWave wave = ReadSavedWave(target);
    EXPECT_EQ(wave.fmtSize, 18u);
    EXPECT_EQ(wave.tag, 1);
    EXPECT_EQ(wave.channels, 1);
    EXPECT_EQ(wave.blockAlign, 2);
    EXPECT_EQ(wave.byteRate, 88200u);
    EXPECT_EQ(wave.rate, 44100u);
    ASSERT_EQ(wave.samples.size(), kFrames);
    for (uint32_t i = 0; i < kFrames; ++i) {
        int expected = (samples_[2 * i] - samples_[2 * i + 1]) >> 1;
        ASSERT_NEAR(wave.samples[i], expected, 1) << "frame " << i;
    }
}

TEST_F(SaveTest, NothingReproducesTheSongThroughTheOverlapPath) {
    Start({});  // Hann window, flat equalizer
    std::string target = folder_ + "\\same.wav";
    Save(target);
    ASSERT_TRUE(SaveFinished(target));
    SavedWave wave = ReadSavedWave(target);
    EXPECT_EQ(wave.channels, 2);
    ASSERT_EQ(wave.samples.size(), samples_.size());
    int worst = 0;
    size_t worstAt = 0;
    for (size_t i = 0; i < samples_.size(); ++i) {
        int error = std::abs(wave.samples[i] - samples_[i]);
        if (error > worst) worst = error, worstAt = i;
    }
    // The Hann ramps of 256-point frames leave a ripple of at most
    // |x|·7π/(2·256) + 1 (the block path is exact to 1).
    EXPECT_LE(worst, 12000 * 7 * 3.1416 / 512 + 1) << "at sample " << worstAt;
}

TEST_F(SaveTest, SavingOntoTheSongIsRefused) {
    Start({});
    program_.PostCommand(IDM_SAVE);
    ASSERT_TRUE(program_.AnswerFileDialog("Save", song_));
    // The dialog first asks whether to replace the existing file.
    MessageBoxInfo replace = program_.FindMessageBox();
    ASSERT_NE(replace.window, nullptr);
    PressButton(replace.window, IDYES);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(replace.window); }));
    MessageBoxInfo box = program_.FindMessageBox();
    EXPECT_NE(box.text.find("cannot be saved onto itself"), std::string::npos);
    LomvexProcess::Answer(box);
    EXPECT_EQ(ReadBytes(song_), WaveOf(samples_));
}

TEST_F(SaveTest, AnUnwritableTargetShowsCantOpenFile) {
    Start({});
    // Nothing can be created in the kernel's process folder, even by root.
    program_.PostCommand(IDM_SAVE);
    ASSERT_TRUE(program_.AnswerFileDialog("Save", "Z:\\proc\\lomvex_MO.WAV"));
    MessageBoxInfo box = program_.FindMessageBox();
    EXPECT_EQ(box.text, "cant open file");
    LomvexProcess::Answer(box);
}

}  // namespace
}  // namespace lomvex::e2e

namespace lomvex::e2e {
namespace {

TEST(SaveCompressed, AnMp3IsSavedAsSixteenBitPcmAtItsRate) {
    std::string folder = ProfileWith("mp3");
    std::string song = folder + "\\tone.mp3";
    ASSERT_TRUE(WriteBytes(song, ReadBytes(WindowsPath(LOMVEX_TEST_DATA "/mpeg2_22k.mp3"))));
    LomvexProcess program;
    ASSERT_TRUE(program.Start("\"" + song + "\"", folder));
    ASSERT_TRUE(WaitUntil([&] { return program.IsEnabled(IDM_PLAY); }));
    std::string target = folder + "\\tone_MO.WAV";
    program.PostCommand(IDM_SAVE);
    ASSERT_TRUE(program.AnswerFileDialog("Save", target));
    ASSERT_TRUE(WaitUntil([&] { return ReadSavedWave(target).valid && program.IsEnabled(IDM_PLAY); },
                          30000));
    SavedWave wave = ReadSavedWave(target);
    EXPECT_EQ(wave.tag, 1);
    EXPECT_EQ(wave.bits, 16);
    EXPECT_EQ(wave.channels, 1);
    EXPECT_EQ(wave.rate, 22050u);
    // About one second of sound, give or take the decoder's edges.
    EXPECT_GT(wave.samples.size(), 22050u * 8 / 10);
    EXPECT_LT(wave.samples.size(), 22050u * 12 / 10);
    program.Close();
    EXPECT_EQ(program.WaitForExit(), 0);
}

}  // namespace
}  // namespace lomvex::e2e

namespace lomvex::e2e {
namespace {

TEST(SaveShortData, ADataChunkLongerThanTheFileSavesWhatIsThere) {
    std::string folder = ProfileWith("short", {{"mado", "2"}});
    std::vector<int16_t> samples = StereoTones(44100, 440, 660);
    Bytes data;
    for (int16_t s : samples) testing::AppendU16(data, static_cast<uint16_t>(s));
    // The "data" chunk claims twice the bytes the file holds.
    Bytes song = testing::Riff("WAVE", {testing::Chunk("fmt ", testing::PcmFormat(2, 44100, 16)),
                                        testing::Chunk("data", data, 2 * data.size())});
    ASSERT_TRUE(WriteBytes(folder + "\\short.wav", song));
    LomvexProcess program;
    ASSERT_TRUE(program.Start("\"" + folder + "\\short.wav\"", folder));
    ASSERT_TRUE(WaitUntil([&] { return program.IsEnabled(IDM_PLAY); }));
    std::string target = folder + "\\short_MO.WAV";
    program.PostCommand(IDM_SAVE);
    ASSERT_TRUE(program.AnswerFileDialog("Save", target));
    ASSERT_TRUE(WaitUntil([&] { return ReadSavedWave(target).valid && program.IsEnabled(IDM_PLAY); },
                          30000));
    SavedWave wave = ReadSavedWave(target);
    ASSERT_EQ(wave.samples.size(), samples.size());
    for (size_t i = 0; i < samples.size(); ++i) ASSERT_NEAR(wave.samples[i], samples[i], 1) << i;
    program.Close();
    EXPECT_EQ(program.WaitForExit(), 0);
}

}  // namespace
}  // namespace lomvex::e2e

namespace lomvex::e2e {
namespace {

TEST(SaveFullDisk, AFullDiskIsReportedAndLeavesAValidShorterFile) {
    const char* fullDisk = std::getenv("LOMVEX_FULL_DISK");
    if (fullDisk == nullptr) GTEST_SKIP() << "no small file system to fill";
    std::string folder = ProfileWith("full");
    ASSERT_TRUE(WriteBytes(folder + "\\song.wav", WaveOf(StereoTones(44100 * 3, 440, 660))));
    std::string target = WindowsPath(std::string(fullDisk) + "/song_MO.WAV");
    DeleteFileA(target.c_str());
    LomvexProcess program;
    ASSERT_TRUE(program.Start("\"" + folder + "\\song.wav\"", folder));
    ASSERT_TRUE(WaitUntil([&] { return program.IsEnabled(IDM_PLAY); }));
    program.PostCommand(IDM_SAVE);
    ASSERT_TRUE(program.AnswerFileDialog("Save", target));
    MessageBoxInfo box = program.FindMessageBox();
    EXPECT_EQ(box.text, "Disk full or Disk I/O error");
    LomvexProcess::Answer(box);
    EXPECT_TRUE(WaitUntil([&] { return program.IsEnabled(IDM_PLAY); }));
    SavedWave wave = ReadSavedWave(target);
    EXPECT_TRUE(wave.valid);
    EXPECT_GT(wave.samples.size(), 0u);
    EXPECT_LT(wave.samples.size(), 2u * 44100 * 3);
    program.Close();
    EXPECT_EQ(program.WaitForExit(), 0);
    DeleteFileA(target.c_str());
}

}  // namespace
}  // namespace lomvex::e2e
