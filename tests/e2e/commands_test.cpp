// Commands, devices, the level warning and the displays of the real
// program, driven from outside.
#include <gtest/gtest.h>

#include "e2e/e2e_support.h"
#include "resources/ids.h"

namespace lomvex::e2e {
namespace {

class CommandsTest : public ::testing::Test {
   protected:
    std::string Song(const char* name, uint32_t seconds) {
        std::string path = folder_ + "\\" + name;
        EXPECT_TRUE(WriteBytes(path, WaveOf(StereoTones(44100 * seconds, 330, 495))));
        return path;
    }
    void CloseProgram() {
        program_.Close();
        EXPECT_EQ(program_.WaitForExit(), 0);
    }
    std::string folder_ = ProfileWith("commands");
    LomvexProcess program_;
};

TEST_F(CommandsTest, OpenThroughTheDialogAndACancelKeepsThePath) {
    std::string song = Song("first.wav", 1);
    ASSERT_TRUE(program_.Start("", folder_));
    HWND window = program_.MainWindow();
    EXPECT_EQ(WindowText(window), "lomvex");
    EXPECT_FALSE(program_.IsEnabled(IDM_PLAY));
    program_.PostCommand(IDM_OPEN);
    ASSERT_TRUE(program_.AnswerFileDialog("Play Open", song));
    EXPECT_TRUE(WaitUntil([&] { return WindowText(window) == "first.wav - Lomvex"; }));
    EXPECT_TRUE(WaitUntil([&] { return program_.IsEnabled(IDM_PLAY); }));

    program_.PostCommand(IDM_OPEN);
    HWND dialog = program_.FindDialog("Play Open");
    ASSERT_NE(dialog, nullptr);
    PressButton(dialog, IDCANCEL);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
    EXPECT_EQ(WindowText(window), "first.wav - Lomvex");
    CloseProgram();
}

// The save keeps the voice in stereo, the slowest processing there is, so
// that a minute of sound takes long enough to be stopped half-way.
TEST_F(CommandsTest, StopDuringASaveLeavesAValidShorterFile) {
    std::string song = Song("long.wav", 60);
    folder_ = ProfileWith("stopsave", {{"voicecut", "1"}});
    ASSERT_TRUE(program_.Start("\"" + song + "\"", folder_));
    ASSERT_TRUE(WaitUntil([&] { return program_.IsEnabled(IDM_PLAY); }));
    program_.PostCommand(IDC_CHANNEL_MINUS_ONE);
    std::string target = folder_ + "\\cut.wav";
    program_.PostCommand(IDM_SAVE);
    ASSERT_TRUE(program_.AnswerFileDialog("Save", target));
    ASSERT_TRUE(WaitUntil([&] { return program_.IsEnabled(IDM_STOP); }));
    program_.PostCommand(IDM_STOP);
    ASSERT_TRUE(WaitUntil([&] { return program_.IsEnabled(IDM_PLAY); }, 30000));
    SavedWave wave = ReadSavedWave(target);
    EXPECT_TRUE(wave.valid);
    EXPECT_LT(wave.samples.size(), 2u * 44100 * 60);
    EXPECT_EQ(wave.samples.size() % 2, 0u);
    CloseProgram();
}

TEST_F(CommandsTest, TheLevelWarningEndsARun) {
    folder_ = ProfileWith("warning", {{"levelwarning", "1"}});
    ASSERT_TRUE(program_.Start("\"" + Song("loud.wav", 1) + "\" /P", folder_));
    MessageBoxInfo box = program_.FindMessageBox(30000);
    ASSERT_NE(box.window, nullptr);
    EXPECT_EQ(box.caption.substr(0, 5), "Level");
    EXPECT_NE(box.text.find("db"), std::string::npos) << box.text;
    LomvexProcess::Answer(box);
    EXPECT_EQ(program_.WaitForExit(30000), 0);
}

// A rising tone, so that the spectrum differs from buffer to buffer.
Bytes Sweep(uint32_t seconds) {
    std::vector<int16_t> samples;
    double phase = 0;
    for (uint32_t i = 0; i < 44100 * seconds; ++i) {
        phase += 6.283185307 * (100.0 + 15000.0 * i / (44100.0 * seconds)) / 44100;
        int16_t s = static_cast<int16_t>(20000 * std::sin(phase));
        samples.push_back(s);
        samples.push_back(s);
    }
    return WaveOf(samples);
}

// A checksum of the pixels of a client rectangle of `window`.
uint32_t AreaChecksum(HWND window, const RECT& area) {
    HDC dc = GetDC(window);
    uint32_t sum = 0;
    for (int y = area.top; y < area.bottom; y += 2)
        for (int x = area.left; x < area.right; x += 2) sum = sum * 31 + (GetPixel(dc, x, y) & 0xFFFFFF);
    ReleaseDC(window, dc);
    return sum;
}

TEST_F(CommandsTest, TheMeterLightsAndTheGraphMovesWhileASongPlays) {
    std::string song = folder_ + "\\sweep.wav";
    ASSERT_TRUE(WriteBytes(song, Sweep(30)));
    ASSERT_TRUE(program_.Start("\"" + song + "\" /P", folder_));
    HWND window = program_.MainWindow();
    ASSERT_TRUE(WaitUntil([&] { return program_.IsEnabled(IDM_STOP); }));
    // The graph area lies 17 units down, the balance scrollbar 14.
    RECT balance;
    GetWindowRect(program_.Control(IDC_BALANCE), &balance);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&balance), 2);
    const int unitY = balance.top / 14;
    const RECT graph = {10, 17 * unitY + 2, 250, 17 * unitY + 98};
    uint32_t first = AreaChecksum(window, graph);
    EXPECT_TRUE(WaitUntil([&] { return AreaChecksum(window, graph) != first; }, 10000));
    // The meter area starts black; lit segments are coloured.
    RECT client;
    GetClientRect(window, &client);
    auto litPixels = [&] {
        HDC dc = GetDC(window);
        int lit = 0;
        for (int y = client.bottom - 40; y < client.bottom - 5; y += 3)
            for (int x = 8; x < 120; x += 2)
                if ((GetPixel(dc, x, y) & 0xFFFFFF) != 0) ++lit;
        ReleaseDC(window, dc);
        return lit;
    };
    EXPECT_TRUE(WaitUntil([&] { return litPixels() > 20; }, 10000));
    program_.PostCommand(IDM_STOP);
    CloseProgram();
}

TEST_F(CommandsTest, TabMovesTheFocusAndCCopiesABarWithUseclip) {
    folder_ = ProfileWith("keys", {{"useclip", "1"}});
    ASSERT_TRUE(program_.Start("", folder_));
    ASSERT_NE(program_.MainWindow(), nullptr);
    HWND bar = program_.Control(IDC_BAR_FIRST + 4);
    ASSERT_NE(bar, nullptr);
    SendMessageA(bar, WM_CHAR, 'C', 0);
    std::string copied;
    ASSERT_TRUE(WaitUntil([&] {
        if (!OpenClipboard(nullptr)) return false;
        HANDLE data = GetClipboardData(CF_TEXT);
        if (data) copied = static_cast<const char*>(GlobalLock(data)), GlobalUnlock(data);
        CloseClipboard();
        return !copied.empty();
    }));
    EXPECT_NE(copied.find("decibel"), std::string::npos) << copied;

    HWND before = program_.FocusedWindow();
    ASSERT_NE(before, nullptr);
    PostMessageA(before, WM_KEYDOWN, VK_TAB, 0);
    EXPECT_TRUE(WaitUntil([&] { return program_.FocusedWindow() != before; }));
    CloseProgram();
}

}  // namespace
}  // namespace lomvex::e2e
