// The settings file through the real private-profile functions.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "shell/win32/profile_store.h"

namespace lomvex {
namespace {

class SettingsFileTest : public ::testing::Test {
   protected:
    void SetUp() override {
        char temp[MAX_PATH];
        GetTempPathA(sizeof temp, temp);
        folder_ = std::string(temp) + "lomvex-settings-" + std::to_string(GetCurrentProcessId());
        CreateDirectoryA(folder_.c_str(), nullptr);
        SetEnvironmentVariableA("USERPROFILE", folder_.c_str());
        DeleteFileA(IniPath().c_str());
    }
    void TearDown() override {
        DeleteFileA(IniPath().c_str());
        RemoveDirectoryA(folder_.c_str());
    }
    std::string IniPath() const { return folder_ + "\\lomvex.INI"; }
    std::string Key(const char* key) {
        char value[64];
        GetPrivateProfileStringA("lomvex", key, "<missing>", value, sizeof value,
                                 IniPath().c_str());
        return value;
    }
    std::string folder_;
};

TEST_F(SettingsFileTest, PathFollowsUserProfile) {
    EXPECT_EQ(GetSettingsPath(), IniPath());
    SetEnvironmentVariableA("USERPROFILE", "");
    EXPECT_EQ(GetSettingsPath(), "lomvex.INI");
    SetEnvironmentVariableA("USERPROFILE", nullptr);
    EXPECT_EQ(GetSettingsPath(), "lomvex.INI");
}

TEST_F(SettingsFileTest, NoFileGivesDefaultsAndWritesEveryKey) {
    PrivateProfileStore store;
    Settings s = ReadSettings(store, true);
    EXPECT_EQ(s.deltatime, 4096u);
    EXPECT_EQ(s.fftmode, 152);
    WriteSettings(s, store, true);
    EXPECT_EQ(Key("levelwarning"), "1");
    EXPECT_EQ(Key("useclip"), "0");
    EXPECT_EQ(Key("eq19"), "0");
    EXPECT_EQ(Key("PeakHold"), "1");
    EXPECT_EQ(Key("deltatime"), "4096");
    EXPECT_EQ(Key("dialog3d"), "1");
    EXPECT_EQ(Key("bits"), "16");
    EXPECT_EQ(Key("channel"), "2");
    EXPECT_EQ(Key("freq"), "44100");
    EXPECT_EQ(Key("fftparam"), "8");
    EXPECT_EQ(Key("mado"), "0");
    EXPECT_EQ(Key("fftmode"), "152");
}

TEST_F(SettingsFileTest, OddValuesAreReadAsTheFileSays) {
    WritePrivateProfileStringA("lomvex", "eq3", "6", IniPath().c_str());
    WritePrivateProfileStringA("lomvex", "smooth", "  12abc", IniPath().c_str());
    WritePrivateProfileStringA("lomvex", "display", "abc", IniPath().c_str());
    WritePrivateProfileStringA("lomvex", "fftparam", "17", IniPath().c_str());
    WritePrivateProfileStringA("lomvex", "deltatime", "1234567890123456789012345678901234567890",
                               IniPath().c_str());
    PrivateProfileStore store;
    Settings s = ReadSettings(store, false);
    EXPECT_EQ(s.eq[3], -6);
    EXPECT_EQ(s.smooth, 12);
    EXPECT_EQ(s.display, 0);
    EXPECT_EQ(s.fftparam, 8);
    EXPECT_EQ(s.deltatime, 4096u);
    WriteSettings(s, store, false);
    EXPECT_EQ(Key("eq3"), "6");
    EXPECT_EQ(Key("dialog3d"), "<missing>");
}

}  // namespace
}  // namespace lomvex
