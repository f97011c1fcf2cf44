// The wave information dialog's four facts and the About box's lines.
#include "dialogs/wave_info.h"

#include <gtest/gtest.h>

#include "common/cp932.h"
#include "dialogs/about_box.h"

namespace lomvex {
namespace {

using testing::Cp932;

FormatState State(int layout, uint16_t tag, unsigned rateKhz, unsigned bits, uint32_t byteRate) {
    FormatState s;
    s.layout = layout;
    s.tag = tag;
    s.rateKhz = rateKhz;
    s.bitsShown = bits;
    s.avgBytesPerSec = byteRate;
    return s;
}

TEST(WaveInfo, PcmShowsBitsAndTime) {
    ControlTexts t = WaveInfoTexts(State(3, 1, 44, 16, 176400), 1764000, false, false);
    EXPECT_EQ(t.at(info_ids::kFrequency), "44kHz");
    EXPECT_EQ(t.at(info_ids::kChannels), "2");
    EXPECT_EQ(t.at(info_ids::kBitRateLabel), "Bits");
    EXPECT_EQ(t.at(info_ids::kBitRate), "   16 bit");
    EXPECT_EQ(t.at(info_ids::kTotalTimeLabel), "Total Time");
    EXPECT_EQ(t.at(info_ids::kTotalTime), "  10.0 sec");
    EXPECT_EQ(t.at(info_ids::kDetail), "&Detail");

    t = WaveInfoTexts(State(1, 1, 8, 16, 0), 1000, false, false);
    EXPECT_EQ(t.at(info_ids::kChannels), "1");
    EXPECT_EQ(t.at(info_ids::kTotalTime), "     0 sec");  // no byte rate to divide by
}

TEST(WaveInfo, CompressedShowsRateAndSize) {
    ControlTexts t = WaveInfoTexts(State(2, 85, 44, 0, 16000), 1000000, false, false);
    EXPECT_EQ(t.at(info_ids::kBitRateLabel), "Bit Rate");
    EXPECT_EQ(t.at(info_ids::kBitRate), "  128 kbps");
    EXPECT_EQ(t.at(info_ids::kTotalTimeLabel), "Data Size");
    EXPECT_EQ(t.at(info_ids::kTotalTime), "    976 KB");
    // From 1000 kbit/s on the rate is shown in KB/s.
    EXPECT_EQ(WaveInfoTexts(State(2, 85, 44, 0, 124999), 0, false, false).at(info_ids::kBitRate),
              "  999 kbps");
    EXPECT_EQ(WaveInfoTexts(State(2, 85, 44, 0, 125000), 0, false, false).at(info_ids::kBitRate),
              "  122 KB/s");
    // Tag 50 in baud, without overflow for any byte rate.
    EXPECT_EQ(WaveInfoTexts(State(0, 50, 8, 0, 1000), 0, false, false).at(info_ids::kBitRate),
              " 8000 baud");
    EXPECT_EQ(WaveInfoTexts(State(0, 50, 8, 0, 0xFFFFFFFF), 0, false, false).at(info_ids::kBitRate),
              "34359738360 baud");
    // Ogg Vorbis shows no bits and counts kilobytes.
    ControlTexts ogg = WaveInfoTexts(State(3, 0x674F, 44, 0, 16000), 2048, false, false);
    EXPECT_EQ(ogg.at(info_ids::kTotalTime), "      2 KB");
}

TEST(WaveInfo, JapaneseAndTheSpelledPoint) {
    ControlTexts t = WaveInfoTexts(State(3, 1, 44, 16, 176400), 1764000, true, false);
    EXPECT_EQ(t.at(info_ids::kFrequencyLabel), Cp932("周波数"));
    EXPECT_EQ(t.at(info_ids::kBitRateLabel), Cp932("ビット数"));
    EXPECT_EQ(t.at(info_ids::kTotalTimeLabel), Cp932("時間"));
    EXPECT_EQ(t.at(info_ids::kTotalTime), Cp932("  10.0 秒"));
    EXPECT_EQ(
        WaveInfoTexts(State(3, 1, 44, 16, 176400), 1764000, true, true).at(info_ids::kTotalTime),
        Cp932("  10点0 秒"));
    EXPECT_EQ(
        WaveInfoTexts(State(3, 1, 44, 16, 176400), 1764000, false, true).at(info_ids::kTotalTime),
        "  10.0 sec");
    ControlTexts mp3 = WaveInfoTexts(State(3, 85, 44, 0, 16000), 4096, true, true);
    EXPECT_EQ(mp3.at(info_ids::kBitRateLabel), Cp932("ﾋﾞｯﾄﾚｰﾄ"));
    EXPECT_EQ(mp3.at(info_ids::kTotalTimeLabel), Cp932("ﾃﾞｰﾀ ｻｲｽﾞ"));
}

TEST(AboutBox, LinesInBothLanguages) {
    EXPECT_STREQ(AboutCaption(), "About Lomvex");
    ControlTexts en = AboutBoxTexts(false, true, 1, 2);
    EXPECT_EQ(en.at(about_ids::kVersion), "lomvex  Version 0.02");
    EXPECT_EQ(en.at(about_ids::kWordSize), "32 bits");
    EXPECT_EQ(en.at(about_ids::kDeviceCount), "record device= 1  play device= 2");
    ControlTexts ja = AboutBoxTexts(true, false, 0, 12);
    EXPECT_EQ(ja.at(about_ids::kVersion), "lomvex  Version 0.02");
    EXPECT_EQ(ja.at(about_ids::kWordSize), Cp932("32 bit 版"));
    EXPECT_EQ(ja.at(about_ids::kDeviceCount), Cp932("録音ﾃﾞﾊﾞｲｽ= 0個  再生ﾃﾞﾊﾞｲｽ=12個"));
    EXPECT_EQ(AboutBoxTexts(true, true, 0, 0).at(about_ids::kVersion),
              Cp932("lomvex Version 0点02"));
}

TEST(AboutBox, FurtherLinesFitTheirControls) {
    // The System font's average character is 4 dialog units wide: 202 is 80
    // units wide, 205 78 and 206 95.
    for (bool japanese : {false, true}) {
        ControlTexts t = AboutBoxTexts(japanese, false, 1, 1);
        EXPECT_LE(t.at(about_ids::kPurpose).size(), 20u);
        EXPECT_LE(t.at(about_ids::kHelpName).size(), 19u);
        EXPECT_LE(t.at(about_ids::kHelpPlace).size(), 23u);
        EXPECT_NE(t.at(about_ids::kHelpName).find("lomvex.htm"), std::string::npos);
    }
}

}  // namespace
}  // namespace lomvex
