// Saving the processed song through the real Save dialog.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "common/tone_measure.h"
#include "e2e/e2e_support.h"
#include "resources/ids.h"

namespace lomvex::e2e {
namespace {

constexpr uint32_t kFrames = 44100 * 2;

class SaveTest : public SongTest {
   protected:
    // Starts the program on a fresh song (two seconds unless told) with the
    // given settings.
    void Start(std::map<std::string, std::string> settings, uint32_t frames = kFrames) {
        samples_ = StereoTones(frames, 440, 660);
        StartOn("song.wav", WaveOf(samples_), settings, "save");
    }
    // Saves through the dialog to `target`; returns the proposed name.
    std::string Save(const std::string& target) {
        program_.PostCommand(IDM_SAVE);
        std::string proposed;
        EXPECT_TRUE(program_.AnswerFileDialog("Save", target, &proposed));
        return proposed;
    }
    void SaveTwoSemitonesUp(double stretch = 1.0);
    void ExpectTonesAt(const SavedWave& wave, double factor, double stretch);
    bool SaveFinished(const std::string& target) {
        return WaitUntil(
            [&] { return ReadSavedWave(target).valid && program_.IsEnabled(IDM_PLAY); }, 30000);
    }

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
    // The save gives back exactly the controls it took: with 256-point
    // frames the first and third bars cover no band and stay disabled.
    EXPECT_FALSE(program_.IsEnabled(IDC_BAR_FIRST));
    EXPECT_TRUE(program_.IsEnabled(IDC_BAR_FIRST + 1));
    EXPECT_FALSE(program_.IsEnabled(IDC_BAR_FIRST + 2));
    EXPECT_TRUE(program_.IsEnabled(IDC_CHANNEL_MINUS_ONE));
}

// One channel of interleaved stereo samples, as doubles.
std::vector<double> ChannelOf(const std::vector<int16_t>& samples, int channel) {
    std::vector<double> x;
    for (size_t i = channel; i < samples.size(); i += 2) x.push_back(samples[i]);
    return x;
}

double RootMeanSquare(const std::vector<double>& x, size_t from, size_t to) {
    double sum = 0;
    for (size_t i = from; i < to; ++i) sum += x[i] * x[i];
    return std::sqrt(sum / (to - from));
}

// Checks "Keep tempo" in the Options dialog with the rate two semitones up,
// saves, and expects the song transposed at its own length and level.
void SaveTest::SaveTwoSemitonesUp(double stretch) {
    program_.PostCommand(IDM_OPTION);
    HWND dialog = program_.FindDialog("Option");
    ASSERT_NE(dialog, nullptr);
    SendMessageA(dialog, WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 20),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_OPTION_RATE_BAR)));
    SendMessageA(GetDlgItem(dialog, IDC_OPTION_KEEP_TEMPO), BM_CLICK, 0, 0);
    EXPECT_EQ(SendDlgItemMessageA(dialog, IDC_OPTION_KEEP_TEMPO, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(WindowText(GetDlgItem(dialog, IDC_OPTION_RATE_TEXT)), "100.0%");
    EXPECT_EQ(WindowText(GetDlgItem(dialog, IDC_OPTION_PITCH_TEXT)), " +2.0");
    PressButton(dialog, IDOK);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));

    std::string target = folder_ + "\\up.wav";
    Save(target);
    ASSERT_TRUE(SaveFinished(target));
    ExpectTonesAt(ReadSavedWave(target), std::pow(2.0, 2.0 / 12.0), stretch);
}

// The saved file is the song `stretch` times as long (within one frame), its
// tones `factor` times their frequency, at the level of the source, in
// both channels.
void SaveTest::ExpectTonesAt(const SavedWave& wave, double factor, double stretch) {
    EXPECT_EQ(wave.rate, 44100u);
    EXPECT_EQ(wave.channels, 2);
    const double frames = static_cast<double>(wave.samples.size() / 2);
    ASSERT_NEAR(frames, samples_.size() / 2 * stretch, 1.0);
    const size_t from = static_cast<size_t>(8820 * stretch),
                 to = static_cast<size_t>(79380 * stretch);
    for (int channel : {0, 1}) {
        const std::vector<double> saved = ChannelOf(wave.samples, channel);
        const std::vector<double> source = ChannelOf(samples_, channel);
        EXPECT_NEAR(testing::MeasuredHz(saved, 44100, 0.2 * stretch, 1.8 * stretch),
                    (channel ? 660 : 440) * factor, 1.0)
            << "channel " << channel;
        EXPECT_NEAR(RootMeanSquare(saved, from, to) / RootMeanSquare(source, 8820, 79380), 1.0, 0.1)
            << "channel " << channel;
    }
}

TEST_F(SaveTest, KeepTempoWritesTheSongTransposedAtItsLength) {
    Start({});
    SaveTwoSemitonesUp();
    EXPECT_EQ(CloseAndReadSetting("keeptempo"), "1");
}

// A tempo of 75 % makes the song 4/3 as long at its pitch; 150 % with Keep
// tempo and two semitones up makes it 2/3 as long, transposed.
TEST_F(SaveTest, ATempoStretchesTheSongAndKeepsItsPitch) {
    Start({{"tempo", "75"}});
    std::string target = folder_ + "\\slow.wav";
    Save(target);
    ASSERT_TRUE(SaveFinished(target));
    ExpectTonesAt(ReadSavedWave(target), 1.0, 100.0 / 75.0);
}

TEST_F(SaveTest, ATempoAndKeepTempoChangeTheLengthAndTheKeyTogether) {
    Start({{"tempo", "150"}});
    SaveTwoSemitonesUp(100.0 / 150.0);
    EXPECT_EQ(CloseAndReadSetting("tempo"), "150");
}

// The amplitude of the `hz` component of `x` between frames `from` and `to`.
double ToneAmplitude(const std::vector<double>& x, double hz, size_t from, size_t to) {
    double c = 0, s = 0;
    for (size_t i = from; i < to; ++i) {
        c += x[i] * std::cos(6.283185307179586 * hz * i / 44100);
        s += x[i] * std::sin(6.283185307179586 * hz * i / 44100);
    }
    return 2 * std::hypot(c, s) / (to - from);
}

// "Keep stereo": a 1 kHz tone in the centre goes, a 300 Hz tone on the left
// stays where it was, and the file keeps both channels and its length.
TEST_F(SaveTest, KeepStereoRemovesTheCentreAndKeepsTheSides) {
    const uint32_t frames = kFrames + 123;
    samples_.clear();
    for (uint32_t i = 0; i < frames; ++i) {
        const double centre = 6000 * std::sin(6.283185307179586 * 1000 * i / 44100);
        const double left = 6000 * std::sin(6.283185307179586 * 300 * i / 44100);
        samples_.push_back(static_cast<int16_t>(centre + left));
        samples_.push_back(static_cast<int16_t>(centre));
    }
    StartOn("song.wav", WaveOf(samples_), {{"voicecut", "1"}}, "save");
    program_.PostCommand(IDC_CHANNEL_MINUS_ONE);
    std::string target = folder_ + "\\stereo.wav";
    Save(target);
    ASSERT_TRUE(SaveFinished(target));
    SavedWave wave = ReadSavedWave(target);
    EXPECT_EQ(wave.channels, 2);
    EXPECT_EQ(wave.blockAlign, 4);
    ASSERT_EQ(wave.samples.size(), samples_.size());
    const std::vector<double> left = ChannelOf(wave.samples, 0);
    const std::vector<double> right = ChannelOf(wave.samples, 1);
    const size_t from = 22050, to = 77175;  // 0.5 s to 1.75 s
    for (const std::vector<double>* channel : {&left, &right})
        EXPECT_LT(ToneAmplitude(*channel, 1000, from, to), 6000 * 0.0316);  // 30 dB down
    EXPECT_NEAR(ToneAmplitude(left, 300, from, to), 6000, 6000 * 0.06);     // within 0.5 dB
    EXPECT_LT(ToneAmplitude(right, 300, from, to), 6000 * 0.0316);
    EXPECT_EQ(CloseAndReadSetting("voicecut"), "1");
}

// Whole blocks of 16384 frames (one-time length 4096) leave the last buffer
// no room: all of the shifter's last frames are written after it.
TEST_F(SaveTest, KeepTempoWritesTheLastFramesAfterAFullLastBuffer) {
    Start({{"mado", "2"}}, 5 * 16384);
    SaveTwoSemitonesUp();
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

TEST_F(SaveTest, AnMp3IsSavedAsSixteenBitPcmAtItsRate) {
    StartOn("tone.mp3", ReadBytes(WindowsPath(LOMVEX_TEST_DATA "/mpeg2_22k.mp3")));
    std::string target = folder_ + "\\tone_MO.WAV";
    Save(target);
    ASSERT_TRUE(SaveFinished(target));
    SavedWave wave = ReadSavedWave(target);
    EXPECT_EQ(wave.tag, 1);
    EXPECT_EQ(wave.bits, 16);
    EXPECT_EQ(wave.channels, 1);
    EXPECT_EQ(wave.rate, 22050u);
    // About one second of sound, give or take the decoder's edges.
    EXPECT_GT(wave.samples.size(), 22050u * 8 / 10);
    EXPECT_LT(wave.samples.size(), 22050u * 12 / 10);
}

// A save that cannot create its file leaves the MP3 closed, so the next
// save opens and decodes it again rather than taking its bytes as PCM.
TEST_F(SaveTest, AfterAFailedSaveAnMp3IsDecodedAgain) {
    StartOn("tone.mp3", ReadBytes(WindowsPath(LOMVEX_TEST_DATA "/mpeg2_22k.mp3")));
    program_.PostCommand(IDM_SAVE);
    ASSERT_TRUE(program_.AnswerFileDialog("Save", "Z:\\proc\\lomvex_MO.WAV"));
    MessageBoxInfo box = program_.FindMessageBox();
    EXPECT_EQ(box.text, "cant open file");
    LomvexProcess::Answer(box);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box.window); }));
    MessageBoxInfo another = program_.FindMessageBox(1500);
    EXPECT_EQ(another.window, nullptr) << another.caption << ": " << another.text;
    if (another.window) LomvexProcess::Answer(another);

    std::string target = folder_ + "\\tone_MO.WAV";
    Save(target);
    ASSERT_TRUE(SaveFinished(target));
    SavedWave wave = ReadSavedWave(target);
    EXPECT_EQ(wave.rate, 22050u);
    EXPECT_GT(wave.samples.size(), 22050u * 8 / 10);
    EXPECT_LT(wave.samples.size(), 22050u * 12 / 10);
}

TEST_F(SaveTest, ADataChunkLongerThanTheFileSavesWhatIsThere) {
    samples_ = StereoTones(44100, 440, 660);
    Bytes data;
    for (int16_t s : samples_) testing::AppendU16(data, static_cast<uint16_t>(s));
    // The "data" chunk claims twice the bytes the file holds.
    StartOn("short.wav",
            testing::Riff("WAVE", {testing::Chunk("fmt ", testing::PcmFormat(2, 44100, 16)),
                                   testing::Chunk("data", data, 2 * data.size())}),
            {{"mado", "2"}});
    std::string target = folder_ + "\\short_MO.WAV";
    Save(target);
    ASSERT_TRUE(SaveFinished(target));
    SavedWave wave = ReadSavedWave(target);
    ASSERT_EQ(wave.samples.size(), samples_.size());
    for (size_t i = 0; i < samples_.size(); ++i) ASSERT_NEAR(wave.samples[i], samples_[i], 1) << i;
}

TEST_F(SaveTest, AFullDiskIsReportedAndLeavesAValidShorterFile) {
    const char* fullDisk = std::getenv("LOMVEX_FULL_DISK");
    if (fullDisk == nullptr) GTEST_SKIP() << "no small file system to fill";
    StartOn("long.wav", WaveOf(StereoTones(44100 * 3, 440, 660)));
    std::string target = WindowsPath(std::string(fullDisk) + "/song_MO.WAV");
    DeleteFileA(target.c_str());
    Save(target);
    MessageBoxInfo box = program_.FindMessageBox();
    EXPECT_EQ(box.text, "Disk full or Disk I/O error");
    LomvexProcess::Answer(box);
    EXPECT_TRUE(WaitUntil([&] { return program_.IsEnabled(IDM_PLAY); }));
    SavedWave wave = ReadSavedWave(target);
    EXPECT_TRUE(wave.valid);
    EXPECT_GT(wave.samples.size(), 0u);
    EXPECT_LT(wave.samples.size(), 2u * 44100 * 3);
    DeleteFileA(target.c_str());
}

}  // namespace
}  // namespace lomvex::e2e
