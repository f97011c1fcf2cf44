// Start-up and exit of the real program: its window and the settings file
// it reads at start and writes at exit.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "e2e/e2e_support.h"
#include "resources/ids.h"

namespace lomvex::e2e {
namespace {

std::string IniKey(const std::string& ini, const char* key) {
    char value[64];
    GetPrivateProfileStringA("lomvex", key, "<missing>", value, sizeof value, ini.c_str());
    return value;
}

// Starts the program with `profile` as its profile folder, checks its main
// window and closes it; returns the settings file's path.
std::string RunAndClose(const std::string& profile) {
    LomvexProcess program;
    EXPECT_TRUE(program.Start("", profile));
    HWND window = program.MainWindow();
    EXPECT_NE(window, nullptr);
    char className[32];
    GetClassNameA(window, className, sizeof className);
    EXPECT_STREQ(className, "lomvex");
    program.Close();
    EXPECT_EQ(program.WaitForExit(), 0);
    return profile + "\\lomvex.INI";
}

TEST(Startup, WithoutASettingsFileWritesEveryDefaultAtExit) {
    std::string ini = RunAndClose(MakeTempFolder("defaults"));
    const char* expected[][2] = {{"levelwarning", "1"}, {"useclip", "0"},      {"eq0", "0"},
                                 {"eq19", "0"},         {"smooth", "0"},       {"monochrome", "0"},
                                 {"PeakHold", "1"},     {"deltatime", "4096"}, {"dialog3d", "1"},
                                 {"display", "1"},      {"fftparam", "8"},     {"mado", "0"},
                                 {"fftmode", "152"},    {"keeptempo", "0"},    {"tempo", "100"}};
    for (auto& pair : expected) EXPECT_EQ(IniKey(ini, pair[0]), pair[1]) << pair[0];
    // The record format is fitted to the input device, so it is only ever
    // narrowed from the defaults.
    EXPECT_TRUE(IniKey(ini, "bits") == "16" || IniKey(ini, "bits") == "8");
    EXPECT_TRUE(IniKey(ini, "channel") == "2" || IniKey(ini, "channel") == "1");
}

TEST(Startup, OddValuesAreKeptOrFallBackAndAreWrittenBack) {
    std::string profile = MakeTempFolder("odd");
    std::string ini = profile + "\\lomvex.INI";
    WritePrivateProfileStringA("lomvex", "eq3", "6", ini.c_str());
    WritePrivateProfileStringA("lomvex", "smooth", "  1xyz", ini.c_str());
    WritePrivateProfileStringA("lomvex", "fftmode", "0", ini.c_str());
    WritePrivateProfileStringA("lomvex", "fftparam", "99", ini.c_str());
    WritePrivateProfileStringA("lomvex", "deltatime", "1000", ini.c_str());
    WritePrivateProfileStringA("lomvex", "display", "zero", ini.c_str());
    WritePrivateProfileStringA("lomvex", "tempo", "75x", ini.c_str());
    RunAndClose(profile);
    EXPECT_EQ(IniKey(ini, "eq3"), "6");
    EXPECT_EQ(IniKey(ini, "smooth"), "1");
    EXPECT_EQ(IniKey(ini, "fftmode"), "152");
    EXPECT_EQ(IniKey(ini, "fftparam"), "8");
    EXPECT_EQ(IniKey(ini, "deltatime"), "4096");
    EXPECT_EQ(IniKey(ini, "display"), "0");
    EXPECT_EQ(IniKey(ini, "tempo"), "100");
}

}  // namespace
}  // namespace lomvex::e2e

namespace lomvex::e2e {
namespace {

TEST(CommandLine, AnUnquotedPathWithSpacesOpensAndARateOptionIsKept) {
    std::string profile = ProfileWith("cmdline", {{"freq", "22050"}});
    std::string folder = profile + "\\my songs";
    CreateDirectoryA(folder.c_str(), nullptr);
    ASSERT_TRUE(WriteBytes(folder + "\\tune.wav", WaveOf(StereoTones(4410, 440, 660))));
    LomvexProcess program;
    ASSERT_TRUE(program.Start(folder + "\\tune.wav /4", profile));
    HWND window = program.MainWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(WaitUntil([&] { return WindowText(window) == "tune.wav - Lomvex"; }));
    EXPECT_TRUE(WaitUntil([&] { return program.IsEnabled(IDM_PLAY); }));
    program.Close();
    EXPECT_EQ(program.WaitForExit(), 0);
    EXPECT_EQ(IniKey(profile + "\\lomvex.INI", "freq"), "44100");
}

// An Ogg page whose one packet is a FLAC stream header: read at the Vorbis
// offsets it once claimed 97 channels at 67 Hz and crashed the program at
// start.
Bytes FlacInOgg() {
    const Bytes packet = {0x7F, 'F',  'L',  'A',  'C', 1, 0,    0,    2,    'f',
                          'L',  'a',  'C',  0,    0,   0, 0x22, 0x12, 0x00, 0x12,
                          0x00, 0x00, 0x61, 0x43, 0,   0, 0,    0};
    Bytes page = {'O', 'g', 'g', 'S', 0, 2};
    page.resize(26, 0);  // granule position, serial, sequence, checksum
    page.push_back(1);
    page.push_back(static_cast<uint8_t>(packet.size()));
    page.insert(page.end(), packet.begin(), packet.end());
    return page;
}

// Starts the program on `bytes` written as `name`, and expects a message
// that holds `says`, after which the main window is there and closes.
void ExpectRefusedAtStart(const std::string& profileName, const std::string& name,
                          const Bytes& bytes, const std::string& says) {
    std::string profile = ProfileWith(profileName, {});
    ASSERT_TRUE(WriteBytes(profile + "\\" + name, bytes));
    LomvexProcess program;
    ASSERT_TRUE(program.Start("\"" + profile + "\\" + name + "\"", profile));
    MessageBoxInfo box = program.FindMessageBox();
    ASSERT_NE(box.window, nullptr);
    EXPECT_NE(box.text.find(says), std::string::npos) << box.text;
    LomvexProcess::Answer(box);
    ASSERT_NE(program.MainWindow(), nullptr);
    program.Close();
    EXPECT_EQ(program.WaitForExit(), 0);
}

TEST(CommandLine, AnOggFileOfAnotherCodecIsRefusedAndTheProgramRuns) {
    ExpectRefusedAtStart("flacogg", "song.ogg", FlacInOgg(), "FLAC");
}

TEST(CommandLine, AWaveOf97ChannelsIsRefusedAndTheProgramRuns) {
    ExpectRefusedAtStart("channels97", "song.wav", WaveOf(std::vector<int16_t>(97 * 441, 0), 97),
                         "97 channels");
}

// The test HOME's sound configuration, swapped for one whose default device
// can play but not record while the object lives (the program reads it when
// it starts).
class NoInputDevice {
   public:
    NoInputDevice() {
        const std::string home = std::getenv("LOMVEX_TEST_HOME");
        path_ = WindowsPath(home + "/.asoundrc");
        saved_ = ReadBytes(path_);
        const std::string config =
            "pcm.!default {\n type asym\n playback.pcm {\n  type file\n"
            "  slave.pcm \"null\"\n  file \"" +
            home +
            "/played.raw\"\n"
            "  format \"raw\"\n }\n capture.pcm {\n  type hw\n  card 99\n }\n}\n";
        WriteBytes(path_, Bytes(config.begin(), config.end()));
    }
    ~NoInputDevice() { WriteBytes(path_, saved_); }

   private:
    std::string path_;
    Bytes saved_;
};

TEST(Startup, WithoutAnInputDeviceTheRecordFormatFallsBackAndIsWritten) {
    if (std::getenv("LOMVEX_TEST_HOME") == nullptr) GTEST_SKIP() << "no test HOME";
    NoInputDevice noInput;
    std::string folder =
        ProfileWith("noinput", {{"freq", "44100"}, {"channel", "2"}, {"bits", "16"}});
    LomvexProcess program;
    ASSERT_TRUE(program.Start("", folder));
    ASSERT_NE(program.MainWindow(), nullptr);
    program.PostCommand(IDM_ABOUT);
    HWND about = program.FindDialog("About Lomvex");
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(WindowText(GetDlgItem(about, IDC_ABOUT_DEVICE_COUNT)),
              "record device= 0  play device= 1");
    PressButton(about, IDOK);
    program.Close();
    EXPECT_EQ(program.WaitForExit(), 0);
    const std::string ini = folder + "\\lomvex.INI";
    EXPECT_EQ(IniKey(ini, "freq"), "11025");
    EXPECT_EQ(IniKey(ini, "channel"), "1");
    EXPECT_EQ(IniKey(ini, "bits"), "8");
}

}  // namespace
}  // namespace lomvex::e2e
