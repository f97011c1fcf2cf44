// Monitoring on the real program with a real sound input: a private sound
// server whose input carries a 1 kHz tone in the centre and a 300 Hz tone
// in the left channel only, and whose output is recorded on request (set
// up by the test scripts, which run these tests apart with PULSE_SERVER
// naming its socket and LOMVEX_PULSE_DIR its folder, so that only these
// programs use it).
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "e2e/e2e_support.h"
#include "resources/ids.h"

namespace lomvex::e2e {
namespace {

struct ToneLevels {
    double leftCentre, leftSide, rightCentre;
};

// The level in dB (full scale) of the `hz` tone in one channel of 16-bit
// stereo at 44.1 kHz.
double ToneLevel(const Bytes& sound, int channel, double hz) {
    double re = 0, im = 0;
    const size_t frames = sound.size() / 4;
    for (size_t i = 0; i < frames; ++i) {
        const auto* at = &sound[4 * i + 2 * channel];
        const double v = static_cast<int16_t>(at[0] | at[1] << 8) / 32768.0;
        re += v * std::cos(6.283185307 * hz * i / 44100);
        im += v * std::sin(6.283185307 * hz * i / 44100);
    }
    return 20 * std::log10(2 * std::hypot(re, im) / std::max<size_t>(frames, 1) + 1e-9);
}

class MonitorTest : public ::testing::Test {
   protected:
    void SetUp() override {
        const char* folder = std::getenv("LOMVEX_PULSE_DIR");
        if (folder == nullptr) GTEST_SKIP() << "no sound server for the monitoring tests";
        server_ = WindowsPath(folder);
    }

    // Monitor, OK in the record setup dialog, then Play.
    void StartMonitoring() {
        program_.PostCommand(IDM_MONITOR);
        HWND dialog = program_.FindDialog("monitering record port");
        ASSERT_NE(dialog, nullptr);
        PressButton(dialog, IDOK);
        ASSERT_TRUE(WaitUntil([&] { return program_.IsEnabled(IDM_PLAY); }));
        program_.PostCommand(IDM_PLAY);
        ASSERT_TRUE(WaitUntil([&] { return program_.IsEnabled(IDM_STOP); }));
    }

    // Waits for the sound of the current settings to come through (four
    // buffers of a third of a second), then records the output.
    ToneLevels RecordLevels() {
        Sleep(2000);
        const std::string done = server_ + "\\record-done";
        DeleteFileA(done.c_str());
        WriteBytes(server_ + "\\record-request", {'2'});
        EXPECT_TRUE(WaitUntil([&] { return GetFileAttributesA(done.c_str()) != INVALID_FILE_ATTRIBUTES; }));
        const Bytes sound = ReadBytes(server_ + "\\recorded.raw");
        EXPECT_GT(sound.size(), 44100u * 4);
        return {ToneLevel(sound, 0, 1000), ToneLevel(sound, 0, 300), ToneLevel(sound, 1, 1000)};
    }

    std::string server_;
    std::string folder_ = ProfileWith("monitor", {{"freq", "44100"}, {"channel", "2"}, {"bits", "16"}});
    LomvexProcess program_;
};

// The position bar moves through a song: with the input it has nothing to
// move in, and stays off from the Monitor command on.
TEST_F(MonitorTest, ThePositionBarIsOffWhileMonitoring) {
    const std::string song = folder_ + "\\tune.wav";
    ASSERT_TRUE(WriteBytes(song, WaveOf(StereoTones(44100 * 3, 330, 495))));
    ASSERT_TRUE(program_.Start("\"" + song + "\"", folder_));
    ASSERT_TRUE(WaitUntil([&] { return program_.IsEnabled(IDC_POSITION); }));
    StartMonitoring();
    EXPECT_FALSE(program_.IsEnabled(IDC_POSITION));
    program_.PostCommand(IDM_STOP);
    ASSERT_TRUE(WaitUntil([&] { return program_.IsEnabled(IDM_PLAY); }));
    EXPECT_FALSE(program_.IsEnabled(IDC_POSITION));
    program_.Close();
    EXPECT_EQ(program_.WaitForExit(), 0);
}

TEST_F(MonitorTest, TheInputIsProcessedLiveAndStopEndsBothDevices) {
    ASSERT_TRUE(program_.Start("", folder_));
    HWND window = program_.MainWindow();
    ASSERT_NE(window, nullptr);
    StartMonitoring();
    EXPECT_EQ(WindowText(window), "Lomvex");

    // "nothing": both tones come through as they went in.
    ToneLevels nothing = RecordLevels();
    EXPECT_GT(nothing.leftCentre, -20);
    EXPECT_GT(nothing.leftSide, -20);
    EXPECT_GT(nothing.rightCentre, -20);

    // L-R(minusOne): the centre tone goes, the side tone stays.
    program_.PostCommand(IDC_CHANNEL_MINUS_ONE);
    ToneLevels minusOne = RecordLevels();
    EXPECT_GT(minusOne.leftSide, -30);
    EXPECT_LT(minusOne.leftCentre, minusOne.leftSide - 40);

    // The meter is lit while the input runs.
    RECT client;
    GetClientRect(window, &client);
    EXPECT_TRUE(WaitUntil([&] {
        HDC dc = GetDC(window);
        int lit = 0;
        for (int x = 8; x < 120; x += 2)
            if ((GetPixel(dc, x, client.bottom - 20) & 0xFFFFFF) != 0) ++lit;
        ReleaseDC(window, dc);
        return lit > 5;
    }));

    // Pause resets the input and Cont starts it again.
    program_.PostCommand(IDM_PAUSE);
    EXPECT_TRUE(WaitUntil([&] { return WindowText(program_.Control(IDM_PAUSE)) == "Cont"; }));
    program_.PostCommand(IDM_PAUSE);
    EXPECT_TRUE(WaitUntil([&] { return WindowText(program_.Control(IDM_PAUSE)) == "Pause"; }));

    // Stop tears both devices down: a second Play monitors again without
    // any box.
    program_.PostCommand(IDM_STOP);
    ASSERT_TRUE(WaitUntil([&] { return program_.IsEnabled(IDM_PLAY) && !program_.IsEnabled(IDM_STOP); }));
    program_.PostCommand(IDM_PLAY);
    EXPECT_TRUE(WaitUntil([&] { return program_.IsEnabled(IDM_STOP); }));
    EXPECT_EQ(program_.FindMessageBox(1000).window, nullptr);

    // Closing the window while monitoring ends cleanly and keeps the
    // record format.
    program_.Close();
    EXPECT_EQ(program_.WaitForExit(), 0);
    char freq[16] = "";
    GetPrivateProfileStringA("lomvex", "freq", "", freq, sizeof freq, (folder_ + "\\lomvex.INI").c_str());
    EXPECT_STREQ(freq, "44100");
}

}  // namespace
}  // namespace lomvex::e2e
