// The status panel's texts and where they are drawn.
#include <gtest/gtest.h>

#include "common/riff_builder.h"
#include "display/status_panel.h"

namespace lomvex {
namespace {

FormatState Pcm(uint16_t channels, uint32_t rate, uint16_t bits, uint16_t tag = 1) {
    testing::Bytes record = testing::PcmFormat(channels, rate, bits, true, tag);
    return DescribeFormat(record.data());
}

// A compressed format: no bits shown, the given data rate.
FormatState Compressed(uint16_t tag, uint32_t avgBytesPerSec, unsigned rateKhz = 44) {
    FormatState f;
    f.tag = tag;
    f.avgBytesPerSec = avgBytesPerSec;
    f.rateKhz = rateKhz;
    f.bitsShown = 0;
    return f;
}

TEST(StatusPanel, RateAndSampleSize) {
    EXPECT_EQ(StatusRateText(Pcm(2, 44100, 16).rateKhz), "44  kHz");
    EXPECT_EQ(StatusRateText(Pcm(2, 22050, 16).rateKhz), "22  kHz");
    EXPECT_EQ(StatusRateText(Pcm(2, 11025, 8).rateKhz), "11  kHz");
    EXPECT_EQ(StatusRateText(Pcm(1, 8000, 8).rateKhz), " 8  kHz");
    EXPECT_EQ(StatusRateText(Pcm(2, 48000, 16).rateKhz), "48  kHz");
    EXPECT_EQ(StatusSizeText(Pcm(2, 44100, 16)), "   16  bit");
    FormatState mono24 = Pcm(1, 44100, 24);
    EXPECT_EQ(mono24.layout, 0);  // shown as 8-bit mono by the displays
    EXPECT_EQ(StatusSizeText(mono24), "   24  bit");
    EXPECT_EQ(StatusSizeText(FormatState()), "    0  bit");  // no file yet
}

TEST(StatusPanel, DataRatesOfCompressedSound) {
    EXPECT_EQ(StatusSizeText(Compressed(0x55, 16000)), "  128 kbps");  // MP3, 128 kbit/s
    // Ogg Vorbis shows no bits even when the record has some.
    FormatState ogg = Pcm(2, 44100, 16, 0x6750);
    EXPECT_EQ(ogg.bitsShown, 0u);
    EXPECT_EQ(StatusSizeText(ogg), "  172 KB/s");  // 1411 kbit/s: in KiB/s
    EXPECT_EQ(StatusSizeText(Compressed(0x6750, 20000)), "  160 kbps");
    EXPECT_EQ(StatusSizeText(Compressed(0x55, 124999)), "  999 kbps");
    EXPECT_EQ(StatusSizeText(Compressed(0x55, 125000)), "  122 KB/s");
    EXPECT_EQ(StatusSizeText(Compressed(0x32, 4096)), "32768 baud");
    EXPECT_EQ(StatusSizeText(Compressed(0x55, 16000, 0)), "    0  bit");
}

TEST(StatusPanel, ElapsedTime) {
    FormatState pcm = Pcm(2, 44100, 16);
    RunFacts run;
    run.bytes = 441000;
    EXPECT_EQ(ElapsedText(pcm, run), "     0 sec");  // not playing
    run.playing = true;
    EXPECT_EQ(ElapsedText(pcm, run), "     3 sec");  // 2.5 s rounded
    run.monitorMode = true;
    run.bytes = 176400 * 61.4;
    EXPECT_EQ(ElapsedText(pcm, run), "    61 sec");
    FormatState mp3 = Compressed(0x55, 16000);
    run.monitorMode = false;
    run.bytes = 204800 + 1023;
    EXPECT_EQ(ElapsedText(mp3, run), "    200 KB");
}

TEST(StatusPanel, Length) {
    FormatState pcm = Pcm(2, 44100, 16);
    EXPECT_EQ(LengthText(pcm, false, 176400 * 10), "    10 sec");
    EXPECT_EQ(LengthText(pcm, false, 176400 * 10 + 100000), "    11 sec");
    EXPECT_EQ(LengthText(pcm, true, 0), " 12173 sec");  // what the monitor can count
    EXPECT_EQ(LengthText(Compressed(0x55, 16000), false, 1048576 + 1023), "   1024 KB");
    EXPECT_EQ(LengthText(Compressed(0x6751, 16000), true, 4096), "      4 KB");
    EXPECT_EQ(LengthText(FormatState(), false, 1000), "     0 sec");
}

TEST(StatusPanel, OpeningAFormatBlacksOutTheMeter) {
    LayoutUnits units{8, 7, 5};
    DrawList list;
    FormatOpenedOps(list, units, true, Pcm(1, 8000, 8), RunFacts());
    ASSERT_EQ(list.size(), 6u);
    EXPECT_EQ(list[0].colour, kWhite);  // the dark scheme's colours first
    EXPECT_EQ(list[2], (DrawOp{OpKind::Blackness, 8, 29 * 7 + 100, 35 * 8, 5 * 7, 0, ""}));
    EXPECT_EQ(list[5], (DrawOp{OpKind::Text, 18 * 8, 7 * 7, 0, 0, 0, "     0 sec"}));
}

}  // namespace
}  // namespace lomvex
