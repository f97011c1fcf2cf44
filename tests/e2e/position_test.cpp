// Moving through the song: the position bar, the jump keys and where the
// sound played after a move comes from.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "common/tone_measure.h"
#include "e2e/e2e_support.h"
#include "resources/ids.h"

namespace lomvex::e2e {
namespace {

constexpr uint32_t kRate = 44100;
constexpr int kSongSeconds = 16;

// The tone of second `k`: a semitone above the one before, to the nearest
// hertz, so that every second holds whole cycles (as in the encoded songs).
double ToneOfSecond(int k) {
    return std::round(220.0 * std::pow(2.0, k / 12.0));
}

// Both channels rise a semitone every second.
Bytes RisingSong() {
    std::vector<int16_t> samples;
    double phase = 0;
    for (uint32_t i = 0; i < kRate * kSongSeconds; ++i) {
        phase += 6.283185307 * ToneOfSecond(static_cast<int>(i / kRate)) / kRate;
        const auto s = static_cast<int16_t>(12000 * std::sin(phase));
        samples.push_back(s);
        samples.push_back(s);
    }
    return WaveOf(samples);
}

// The left channel of what the device received.
std::vector<double> PlayedLeft() {
    const Bytes bytes = ReadBytes(PlayedSoundPath());
    std::vector<double> left;
    for (size_t i = 0; i + 3 < bytes.size(); i += 4)
        left.push_back(static_cast<int16_t>(bytes[i] | bytes[i + 1] << 8));
    return left;
}

// Where in `left` the tone of second 10 gives way to that of second 11,
// to the nearest 5 ms; -1 when it never does within the first 2 seconds.
double ElevenStartsAt(const std::vector<double>& left) {
    for (double t = 0.5; t < 2.0; t += 0.005) {
        const double hz = testing::MeasuredHz(left, kRate, t, t + 0.02);
        if (std::fabs(hz - ToneOfSecond(11)) < std::fabs(hz - ToneOfSecond(10))) return t + 0.01;
    }
    return -1;
}

// The pitch of every 0.2 s window of `left`, windows 0.1 s apart.
std::vector<double> WindowPitches(const std::vector<double>& left) {
    std::vector<double> hz;
    for (size_t at = 0; at + kRate / 5 < left.size(); at += kRate / 10)
        hz.push_back(
            testing::MeasuredHz(left, kRate, at / double(kRate), at / double(kRate) + 0.2));
    return hz;
}

// At least eight exact zeros among the 32 samples around `i`: silence the
// sound route wrote, where no tone of these songs rests.
bool BesideRouteSilence(const std::vector<double>& left, size_t i) {
    int zeros = 0;
    for (size_t k = i >= 16 ? i - 16 : 0; k < std::min(left.size(), i + 16); ++k)
        zeros += left[k] == 0.0;
    return zeros >= 8;
}

// The lowest mean power of any 30 ms of `left` (its first and last 0.1 s
// aside) against the median: a loop seam faded out and in (a dip) comes to
// a third, a 15 ms cross-fade of two of these tones to about two thirds
// whatever their phases.
double LowestPowerShare(const std::vector<double>& left) {
    const size_t span = kRate * 3 / 100, margin = kRate / 10;
    std::vector<double> power;
    double sum = 0;
    for (size_t i = margin; i + margin < left.size(); ++i) {
        sum += left[i] * left[i];
        if (i >= margin + span) sum -= left[i - span] * left[i - span];
        if (i + 1 >= margin + span) power.push_back(sum / span);
    }
    if (power.empty()) return 0;
    const double lowest = *std::min_element(power.begin(), power.end());
    std::nth_element(power.begin(), power.begin() + power.size() / 2, power.end());
    return lowest / power[power.size() / 2];
}

class PositionTest : public SongTest {
   protected:
    void SetUp() override { Open("rising.wav"); }
    // Opens the rising song as `name`: the WAV made here, or its MP3 or Ogg
    // encoding made by the build.
    void Open(const std::string& name, std::map<std::string, std::string> settings = {}) {
        StartOn(name,
                name == "rising.wav" ? RisingSong()
                                     : ReadBytes(WindowsPath(LOMVEX_TEST_DATA "/" + name)),
                settings, "position");
        bar_ = program_.Control(IDC_POSITION);
        ASSERT_NE(bar_, nullptr);
        // Play is enabled as the file opens; the bar once it is open.
        ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(bar_) != FALSE; }));
    }
    int Thumb() { return GetScrollPos(bar_, SB_CTL); }
    // Loop Start and Loop End at `start` and `end` tenths, the position left
    // at `end`.
    void SetLoopEnds(int start, int end) {
        Scroll(SB_THUMBPOSITION, start);
        ASSERT_TRUE(WaitUntil([&] { return Thumb() == start; }));
        program_.PostCommand(IDM_LOOP_START);
        Scroll(SB_THUMBPOSITION, end);
        ASSERT_TRUE(WaitUntil([&] { return Thumb() == end; }));
        program_.PostCommand(IDM_LOOP_END);
    }
    void Scroll(int code, int position = 0) {
        PostMessageA(program_.MainWindow(), WM_HSCROLL, MAKEWPARAM(code, position),
                     reinterpret_cast<LPARAM>(bar_));
    }
    // Plays for about `seconds` from where the position is, then stops.
    void PlayFor(double seconds) {
        DeleteFileA(PlayedSoundPath().c_str());
        program_.PostCommand(IDM_PLAY);
        ASSERT_TRUE(WaitUntil([&] { return program_.IsEnabled(IDM_STOP); }));
        Sleep(static_cast<DWORD>(seconds * 1000));
        program_.PostCommand(IDM_STOP);
        ASSERT_TRUE(WaitUntil([&] { return program_.IsEnabled(IDM_PLAY); }));
    }

    HWND bar_ = nullptr;
};

TEST_F(PositionTest, TheBarSpansTheSongInTenthsAndTheKeysMoveItsThumb) {
    EXPECT_TRUE(IsWindowEnabled(bar_));
    EXPECT_EQ(WindowText(bar_), "\x88\xca\x92\x75");
    int low = -1, high = -1;
    GetScrollRange(bar_, SB_CTL, &low, &high);
    EXPECT_EQ(low, 0);
    EXPECT_EQ(high, kSongSeconds * 10);
    program_.PostCommand(IDM_JUMP_FORWARD);
    EXPECT_TRUE(WaitUntil([&] { return Thumb() == 50; }));
    program_.PostCommand(IDM_JUMP_BACK);
    program_.PostCommand(IDM_JUMP_BACK);
    EXPECT_TRUE(WaitUntil([&] { return Thumb() == 0; }));
    Scroll(SB_PAGERIGHT);
    Scroll(SB_LINERIGHT);
    EXPECT_TRUE(WaitUntil([&] { return Thumb() == 110; }));
    for (int i = 0; i < 3; ++i) program_.PostCommand(IDM_JUMP_FORWARD);
    EXPECT_TRUE(WaitUntil([&] { return Thumb() == kSongSeconds * 10; }));
    program_.PostCommand(IDM_JUMP_START);
    EXPECT_TRUE(WaitUntil([&] { return Thumb() == 0; }));
}

// Opening a file forgets the loop. (The menu's check mark cannot be read
// from another process: what the loop does shows it.)
TEST_F(PositionTest, OpeningAFileClearsTheLoop) {
    SetLoopEnds(30, 50);
    program_.PostCommand(IDM_LOOP);
    ASSERT_TRUE(WaitUntil([&] { return Thumb() == 30; }));
    program_.PostCommand(IDM_OPEN);
    ASSERT_TRUE(program_.AnswerFileDialog("Play Open", song_));
    ASSERT_TRUE(WaitUntil([&] { return Thumb() == 0; }));
    // A move past the old End stays there: the loop no longer plays.
    Scroll(SB_THUMBPOSITION, 60);
    ASSERT_TRUE(WaitUntil([&] { return Thumb() == 60; }));
    // New ends behind the position leave it there: Loop is off.
    SetLoopEnds(30, 50);
    Sleep(300);
    EXPECT_EQ(Thumb(), 50);
    program_.PostCommand(IDM_LOOP);
    EXPECT_TRUE(WaitUntil([&] { return Thumb() == 30; }));
}

TEST_F(PositionTest, TabReachesTheBar) {
    for (int presses = 0; presses < 40 && program_.FocusedWindow() != bar_; ++presses) {
        HWND before = program_.FocusedWindow();
        ASSERT_NE(before, nullptr);
        PostMessageA(before, WM_KEYDOWN, VK_TAB, 0);
        ASSERT_TRUE(WaitUntil([&] { return program_.FocusedWindow() != before; }));
    }
    EXPECT_EQ(program_.FocusedWindow(), bar_);
}

// A save writes the whole song wherever the position stands, and the bar
// is off while it runs (half the tempo and the largest frames make it last
// long enough to see).
class SlowSavePositionTest : public PositionTest {
   protected:
    void SetUp() override { Open("rising.wav", {{"tempo", "50"}, {"fftparam", "16"}}); }
};

TEST_F(SlowSavePositionTest, SavingWritesTheWholeSongWithTheBarOff) {
    Scroll(SB_THUMBPOSITION, 100);
    ASSERT_TRUE(WaitUntil([&] { return Thumb() == 100; }));
    const std::string target = folder_ + "\\saved.wav";
    program_.PostCommand(IDM_SAVE);
    ASSERT_TRUE(program_.AnswerFileDialog("Save", target, nullptr));
    EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(bar_) == FALSE; }));
    ASSERT_TRUE(WaitUntil(
        [&] { return ReadSavedWave(target).valid && IsWindowEnabled(bar_) != FALSE; }, 30000));
    const SavedWave wave = ReadSavedWave(target);
    EXPECT_NEAR(wave.samples.size() / 2.0, 2.0 * kSongSeconds * kRate, kRate * 0.01);
}

TEST_F(PositionTest, AMoveWhilePlayingIsHeardAtOnce) {
    DeleteFileA(PlayedSoundPath().c_str());
    program_.PostCommand(IDM_PLAY);
    ASSERT_TRUE(WaitUntil([&] { return Thumb() >= 5; }));
    Scroll(SB_THUMBPOSITION, 120);
    ASSERT_TRUE(WaitUntil([&] { return Thumb() >= 125; }));
    program_.PostCommand(IDM_STOP);
    ASSERT_TRUE(WaitUntil([&] { return program_.IsEnabled(IDM_PLAY); }));
    const std::vector<double> left = PlayedLeft();
    // The sound turns from the first seconds' pitch to that of second 12
    // soon after the move, with nothing of the seconds between.
    std::vector<double> hz;
    for (size_t at = 0; at + kRate / 5 < left.size(); at += kRate / 10)
        hz.push_back(
            testing::MeasuredHz(left, kRate, at / double(kRate), at / double(kRate) + 0.2));
    size_t twelve = 0;
    while (twelve < hz.size() && std::fabs(hz[twelve] - ToneOfSecond(12)) > ToneOfSecond(12) * 0.01)
        ++twelve;
    ASSERT_LT(twelve, hz.size()) << "second 12 never heard";
    EXPECT_LT(twelve, 25u) << "heard only after " << twelve / 10.0 << " s";
    for (size_t w = 0; w + 3 <= twelve; ++w)
        EXPECT_LT(hz[w], ToneOfSecond(3)) << "at " << w / 10.0 << " s";
}

// Paused, a move waits silent at its place: Continue plays from there.
TEST_F(PositionTest, AMoveWhilePausedIsHeardOnContinue) {
    DeleteFileA(PlayedSoundPath().c_str());
    program_.PostCommand(IDM_PLAY);
    ASSERT_TRUE(WaitUntil([&] { return Thumb() >= 5; }));
    program_.PostCommand(IDM_PAUSE);
    ASSERT_TRUE(WaitUntil([&] { return WindowText(program_.Control(IDM_PAUSE)) == "Cont"; }));
    Scroll(SB_THUMBPOSITION, 100);
    ASSERT_TRUE(WaitUntil([&] { return Thumb() == 100; }));
    Sleep(500);
    EXPECT_EQ(Thumb(), 100);
    program_.PostCommand(IDM_PAUSE);
    ASSERT_TRUE(WaitUntil([&] { return Thumb() >= 112; }));
    program_.PostCommand(IDM_STOP);
    ASSERT_TRUE(WaitUntil([&] { return program_.IsEnabled(IDM_PLAY); }));
    // Before the pause the first second's pitch; from Continue on that of
    // second 10, with nothing between (the two windows at the turn measure
    // a mix).
    const std::vector<double> hz = WindowPitches(PlayedLeft());
    size_t ten = 0;
    while (ten < hz.size() && std::fabs(hz[ten] - ToneOfSecond(10)) > ToneOfSecond(10) * 0.01)
        ++ten;
    ASSERT_LT(ten, hz.size()) << "second 10 never heard";
    for (size_t w = 0; w + 3 <= ten; ++w)
        EXPECT_LT(hz[w], ToneOfSecond(3)) << "at " << w / 10.0 << " s";
}

// Every kind of file rises alike: a move before Play starts the WAV at a
// block, the MP3 at a frame and the Ogg file at its decoded share, each at
// the pitch of the second moved to.
class FormatPositionTest : public PositionTest, public ::testing::WithParamInterface<const char*> {
   protected:
    void SetUp() override { Open(GetParam()); }
};

TEST_P(FormatPositionTest, AMoveBeforePlayStartsThereAtThePitchOfThatSecond) {
    int low = -1, high = -1;
    GetScrollRange(bar_, SB_CTL, &low, &high);
    EXPECT_NEAR(high, kSongSeconds * 10, 2);
    Scroll(SB_THUMBPOSITION, 100);
    ASSERT_TRUE(WaitUntil([&] { return Thumb() == 100; }));
    PlayFor(1.5);
    const std::vector<double> left = PlayedLeft();
    ASSERT_GT(left.size(), kRate);
    EXPECT_NEAR(testing::MeasuredHz(left, kRate, 0.05, 0.8), ToneOfSecond(10),
                ToneOfSecond(10) * 0.01);
    // The sound starts at 10.0 s: second 11 follows a second later.
    EXPECT_NEAR(ElevenStartsAt(left), 1.0, 0.03);
}

// A loop from 3 s to 5 s, turned on with the position past its End,
// takes the position back to Start, and then plays seconds 3 and 4 again
// and again, nothing after its End; each seam fades the sound after End into
// that of Start, for every kind of file.
TEST_P(FormatPositionTest, ALoopRepeatsItsSecondsAndNothingAfterItsEnd) {
    SetLoopEnds(30, 50);
    Scroll(SB_THUMBPOSITION, 60);
    ASSERT_TRUE(WaitUntil([&] { return Thumb() == 60; }));
    program_.PostCommand(IDM_LOOP);
    ASSERT_TRUE(WaitUntil([&] { return Thumb() == 30; }));
    PlayFor(5.0);
    const std::vector<double> left = PlayedLeft();
    ASSERT_GT(left.size(), 4 * kRate);
    // Each return from second 4 to second 3: the span from the last window
    // that held second 4 to the end of the first that holds second 3 again,
    // which holds the seam.
    std::vector<std::pair<size_t, size_t>> seams;
    size_t lastFour = 0;
    bool inFour = false;
    for (size_t at = 0; at + kRate / 5 < left.size(); at += kRate / 10) {
        const double from = at / double(kRate);
        const double hz = testing::MeasuredHz(left, kRate, from, from + 0.2);
        for (int k = 5; k <= 8; ++k)
            EXPECT_GT(std::fabs(hz - ToneOfSecond(k)), ToneOfSecond(k) * 0.01)
                << "second " << k << " heard at " << from << " s";
        if (std::fabs(hz - ToneOfSecond(4)) < ToneOfSecond(4) * 0.01) inFour = true, lastFour = at;
        if (inFour && std::fabs(hz - ToneOfSecond(3)) < ToneOfSecond(3) * 0.01) {
            seams.emplace_back(lastFour, at + kRate / 5);
            inFour = false;
        }
    }
    EXPECT_GE(seams.size(), 1u);
    // No click at the seams: no step between samples beyond what the
    // loudest of these tones makes itself (2 pi f A / rate, about 470). Only
    // the spans around the seams count: a seam's click falls inside them,
    // and away from them the played sound is plain decoding, which this
    // test is not about. A step into or out of a run of exact zeros is
    // silence from the test's sound route, which can fall behind on a
    // loaded machine; a gap longer than about 12 ms still fails the power
    // check below.
    for (const auto& [from, to] : seams) {
        double largest = 0;
        size_t largestAt = from;
        for (size_t i = std::max<size_t>(from, 1); i < std::min(to, left.size()); ++i) {
            const double step = std::fabs(left[i] - left[i - 1]);
            if (step > largest && !BesideRouteSilence(left, i)) largest = step, largestAt = i;
        }
        EXPECT_LT(largest, 600) << "at " << largestAt / double(kRate) << " s";
    }
    // The seams are cross-faded from the sound after End, and the sound
    // from Start is whole from its first frame: no dip.
    EXPECT_GT(LowestPowerShare(left), 0.6);
}

INSTANTIATE_TEST_SUITE_P(Formats, FormatPositionTest,
                         ::testing::Values("rising.wav", "rising.mp3", "rising.ogg"));

}  // namespace
}  // namespace lomvex::e2e
