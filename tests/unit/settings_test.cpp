// Settings: conversions, defaults, fall-backs and the write order.
#include "shell/settings.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <utility>
#include <vector>

namespace lomvex {
namespace {

class MapStore : public ProfileStore {
   public:
    std::string Get(const char* key, const char* defaultText) override {
        auto found = values.find(key);
        return found == values.end() ? defaultText : found->second.substr(0, 31);
    }
    void Put(const char* key, const std::string& value) override {
        writes.emplace_back(key, value);
    }
    std::map<std::string, std::string> values;
    std::vector<std::pair<std::string, std::string>> writes;
};

TEST(SettingsConversion, FollowsTheCLibraryRules) {
    EXPECT_EQ(AtoiValue("  12abc"), 12);
    EXPECT_EQ(AtoiValue("abc"), 0);
    EXPECT_EQ(AtoiValue("-7"), -7);
    EXPECT_EQ(AtoiValue("99999999999"), INT32_MAX);
    EXPECT_EQ(AtoiValue("-99999999999"), -INT32_MAX);
    EXPECT_EQ(UnsignedValue("22050"), 22050u);
    EXPECT_EQ(Short16Value("65544"), 8);  // kept in 16 bits
}

TEST(SettingsPathRule, UsesTheProfileFolderUnlessEmpty) {
    EXPECT_EQ(SettingsPath("C:\\Users\\me"), "C:\\Users\\me\\lomvex.INI");
    EXPECT_EQ(SettingsPath(""), "lomvex.INI");
    EXPECT_EQ(SettingsPath(nullptr), "lomvex.INI");
}

TEST(ReadSettings, NoFileGivesTheDefaults) {
    MapStore store;
    Settings s = ReadSettings(store, true);
    EXPECT_EQ(s.smooth, 0);
    EXPECT_EQ(s.PeakHold, 1);
    EXPECT_EQ(s.deltatime, 4096u);
    EXPECT_EQ(s.dialog3d, 1);
    EXPECT_EQ(s.display, 1);
    EXPECT_EQ(s.bits, 16);
    EXPECT_EQ(s.channel, 2);
    EXPECT_EQ(s.freq, 44100u);
    EXPECT_EQ(s.fftparam, 8);
    EXPECT_EQ(s.mado, 0);
    EXPECT_EQ(s.fftmode, 152);
    for (int gain : s.eq) EXPECT_EQ(gain, 0);
    EXPECT_EQ(s.useclip, 0);
    EXPECT_EQ(s.levelwarning, 1);
    EXPECT_EQ(s.keeptempo, 0);
    EXPECT_EQ(s.voicecut, 0);
    EXPECT_EQ(s.tempo, 100);
}

TEST(ReadSettings, ValidValuesAreTakenAsWritten) {
    MapStore store;
    store.values = {{"fftmode", "153"},   {"eq3", "6"},   {"fftparam", "16"}, {"mado", "2"},
                    {"deltatime", "256"}, {"bits", "8"},  {"channel", "1"},   {"freq", "8000"},
                    {"PeakHold", "2"},    {"eq0", "-72"}, {"dialog3d", "0"},  {"keeptempo", "1"},
                    {"voicecut", "1"},    {"tempo", "75"}};
    Settings s = ReadSettings(store, true);
    EXPECT_EQ(s.fftmode, 153);
    EXPECT_EQ(s.eq[3], -6);
    EXPECT_EQ(s.eq[0], 72);
    EXPECT_EQ(s.fftparam, 16);
    EXPECT_EQ(s.mado, 2);
    EXPECT_EQ(s.deltatime, 256u);
    EXPECT_EQ(s.bits, 8);
    EXPECT_EQ(s.channel, 1);
    EXPECT_EQ(s.freq, 8000u);
    EXPECT_EQ(s.PeakHold, 2);
    EXPECT_EQ(s.dialog3d, 0);
    EXPECT_EQ(s.keeptempo, 1);
    EXPECT_EQ(s.voicecut, 1);
    EXPECT_EQ(s.tempo, 75);
    for (const char* edge : {"50", "200", " 125 "}) {
        store.values = {{"tempo", edge}};
        EXPECT_EQ(ReadSettings(store, true).tempo, std::atoi(edge)) << edge;
    }
}

TEST(ReadSettings, ValuesLaterCodeCannotTakeFallBack) {
    MapStore store;
    store.values = {{"fftparam", "7"},  {"mado", "3"},      {"fftmode", "155"},
                    {"deltatime", "4095"}, {"PeakHold", "-1"}, {"bits", "24"},
                    {"channel", "3"},   {"freq", "0"},      {"eq5", "500"}};
    Settings s = ReadSettings(store, true);
    EXPECT_EQ(s.fftparam, 8);
    EXPECT_EQ(s.mado, 0);
    EXPECT_EQ(s.fftmode, 152);
    EXPECT_EQ(s.deltatime, 4096u);
    EXPECT_EQ(s.PeakHold, 1);
    EXPECT_EQ(s.bits, 16);
    EXPECT_EQ(s.channel, 2);
    EXPECT_EQ(s.freq, 44100u);
    EXPECT_EQ(s.eq[5], -500);  // bar gains stay unchecked
    store.values = {{"fftmode", "0"}};
    EXPECT_EQ(ReadSettings(store, true).fftmode, 152);
    // Keeping the tempo and the stereo voice removal are on only for exactly 1.
    for (const char* odd : {"2", "-1", "on", "", "4294967297"}) {
        store.values = {{"keeptempo", odd}, {"voicecut", odd}};
        EXPECT_EQ(ReadSettings(store, true).keeptempo, 0) << odd;
        EXPECT_EQ(ReadSettings(store, true).voicecut, 0) << odd;
    }
    store.values = {{"keeptempo", " 1"}};
    EXPECT_EQ(ReadSettings(store, true).keeptempo, 1);
    // A tempo outside 50..200 or not wholly a number is the song's own.
    for (const char* odd : {"49", "201", "0", "-75", "", "fast", "75%", "1e2", "4294967346"}) {
        store.values = {{"tempo", odd}};
        EXPECT_EQ(ReadSettings(store, true).tempo, 100) << odd;
    }
}

TEST(ReadSettings, OlderShellsKeepTheBuiltIn3dLook) {
    MapStore store;
    store.values = {{"dialog3d", "0"}};
    EXPECT_EQ(ReadSettings(store, false).dialog3d, 1);
}

TEST(WriteSettings, WritesEveryKeyInOrder) {
    MapStore store;
    Settings s;
    s.eq[3] = -6;
    s.freq = 22050;
    s.keeptempo = 1;
    s.voicecut = 1;
    s.tempo = 75;
    WriteSettings(s, store, true);
    std::vector<std::string> keys;
    for (auto& write : store.writes) keys.push_back(write.first);
    std::vector<std::string> expected = {"levelwarning", "useclip"};
    for (int i = 0; i < 20; ++i) expected.push_back("eq" + std::to_string(i));
    for (const char* key :
         {"smooth", "monochrome", "PeakHold", "deltatime", "dialog3d", "display", "bits", "channel",
          "freq", "fftparam", "mado", "fftmode", "keeptempo", "voicecut", "tempo"})
        expected.push_back(key);
    EXPECT_EQ(keys, expected);
    EXPECT_EQ(store.writes[5].second, "6");
    EXPECT_EQ(store.writes[30].second, "22050");
    EXPECT_EQ(store.writes[store.writes.size() - 2].second, "1");
    EXPECT_EQ(store.writes.back().second, "75");

    MapStore older;
    WriteSettings(s, older, false);
    EXPECT_EQ(older.writes.size(), expected.size() - 1);
    for (auto& write : older.writes) EXPECT_NE(write.first, "dialog3d");
}

}  // namespace
}  // namespace lomvex
