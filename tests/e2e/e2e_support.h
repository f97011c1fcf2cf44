// Shared set-up of the end-to-end tests: a profile folder with chosen
// settings, test songs written to disk, and saved WAV files read back.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "common/riff_builder.h"
#include "e2e_driver/driver.h"
#include "resources/ids.h"

namespace lomvex::e2e {

// A fresh profile folder whose settings file holds `keys`; the level
// warning is off unless a test asks for it, so no box ends a run.
inline std::string ProfileWith(const std::string& name,
                               std::map<std::string, std::string> keys = {}) {
    std::string folder = MakeTempFolder(name);
    std::string ini = folder + "\\lomvex.INI";
    keys.emplace("levelwarning", "0");
    for (const auto& [key, value] : keys)
        WritePrivateProfileStringA("lomvex", key.c_str(), value.c_str(), ini.c_str());
    return folder;
}

// A 16-bit stereo 44.1 kHz song: left and right are independent tones.
inline std::vector<int16_t> StereoTones(uint32_t frames, double leftHz, double rightHz) {
    std::vector<int16_t> samples;
    for (uint32_t i = 0; i < frames; ++i) {
        samples.push_back(static_cast<int16_t>(12000 * std::sin(6.283185307 * leftHz * i / 44100)));
        samples.push_back(static_cast<int16_t>(9000 * std::sin(6.283185307 * rightHz * i / 44100)));
    }
    return samples;
}

inline Bytes WaveOf(const std::vector<int16_t>& samples, uint16_t channels = 2) {
    Bytes data;
    for (int16_t s : samples) testing::AppendU16(data, static_cast<uint16_t>(s));
    return testing::Riff("WAVE", {testing::Chunk("fmt ", testing::PcmFormat(channels, 44100, 16)),
                                  testing::Chunk("data", data)});
}

struct SavedWave {
    bool valid = false;
    uint32_t fmtSize = 0;
    uint16_t tag = 0, channels = 0, blockAlign = 0, bits = 0;
    uint32_t rate = 0, byteRate = 0;
    std::vector<int16_t> samples;
};

// Reads a WAV file written by the program, checking its chunk sizes.
inline SavedWave ReadSavedWave(const std::string& path) {
    SavedWave wave;
    Bytes b = ReadBytes(path);
    if (b.size() < 46 || std::string(b.begin(), b.begin() + 4) != "RIFF") return wave;
    auto u16 = [&](size_t at) { return static_cast<uint16_t>(b[at] | b[at + 1] << 8); };
    auto u32 = [&](size_t at) { return static_cast<uint32_t>(u16(at) | u16(at + 2) << 16); };
    wave.fmtSize = u32(16);
    wave.tag = u16(20);
    wave.channels = u16(22);
    wave.rate = u32(24);
    wave.byteRate = u32(28);
    wave.blockAlign = u16(32);
    wave.bits = u16(34);
    size_t data = 20 + wave.fmtSize + (wave.fmtSize & 1);
    if (data + 8 > b.size() || std::string(b.begin() + data, b.begin() + data + 4) != "data") return wave;
    uint32_t size = u32(data + 4);
    if (u32(4) != b.size() - 8 || data + 8 + size > b.size()) return wave;
    for (uint32_t i = 0; i + 1 < size; i += 2) wave.samples.push_back(static_cast<int16_t>(u16(data + 8 + i)));
    wave.valid = true;
    return wave;
}

// A test that starts the program on one song in a profile folder of its
// own, and closes it at the end, expecting exit code 0.
class SongTest : public ::testing::Test {
   protected:
    // Starts the program on the file `name` holding `bytes`, with `settings`
    // in the profile folder `profile`; waits until Play is enabled.
    void StartOn(const std::string& name, const Bytes& bytes,
                 std::map<std::string, std::string> settings = {},
                 const std::string& profile = "song") {
        folder_ = ProfileWith(profile, settings);
        song_ = folder_ + "\\" + name;
        ASSERT_TRUE(WriteBytes(song_, bytes));
        ASSERT_TRUE(started_ = program_.Start("\"" + song_ + "\"", folder_));
        ASSERT_NE(program_.MainWindow(), nullptr);
        ASSERT_TRUE(WaitUntil([&] { return program_.IsEnabled(IDM_PLAY); }));
    }
    void TearDown() override {
        if (!started_) return;
        program_.Close();
        EXPECT_EQ(program_.WaitForExit(), 0);
    }
    // Closes the program, expecting exit code 0, and reads `key` from the
    // settings file it wrote at exit.
    std::string CloseAndReadSetting(const char* key) {
        program_.Close();
        EXPECT_EQ(program_.WaitForExit(), 0);
        started_ = false;
        return ReadSetting(key);
    }
    // `key` from the settings file of the profile folder.
    std::string ReadSetting(const char* key) {
        char value[32] = "";
        GetPrivateProfileStringA("lomvex", key, "", value, sizeof value,
                                 (folder_ + "\\lomvex.INI").c_str());
        return value;
    }

    LomvexProcess program_;
    bool started_ = false;
    std::string folder_, song_;
};

}  // namespace lomvex::e2e
