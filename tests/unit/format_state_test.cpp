// The format state derived from a format record, and the layout units.
#include "audiofile/format_state.h"

#include <gtest/gtest.h>

#include "audiofile/format_record.h"
#include "common/riff_builder.h"
#include "base/layout_units.h"

namespace lomvex {
namespace {

FormatState Describe(uint16_t channels, uint32_t rate, uint16_t bits, uint16_t tag = 1) {
    testing::Bytes record = testing::PcmFormat(channels, rate, bits, true, tag);
    return DescribeFormat(record.data());
}

TEST(FormatState, LayoutCodeFollowsChannelsAndBits) {
    EXPECT_EQ(Describe(1, 8000, 8).layout, 0);
    EXPECT_EQ(Describe(1, 8000, 16).layout, 1);
    EXPECT_EQ(Describe(2, 8000, 8).layout, 2);
    EXPECT_EQ(Describe(2, 44100, 16).layout, 3);
    EXPECT_EQ(Describe(1, 44100, 24).layout, 0);  // shown as 8-bit mono
    EXPECT_EQ(Describe(2, 44100, 24).layout, 2);
}

TEST(FormatState, RateIsRoundedToWholeKilohertz) {
    EXPECT_EQ(Describe(2, 44100, 16).rateKhz, 44u);
    EXPECT_EQ(Describe(2, 22050, 16).rateKhz, 22u);
    EXPECT_EQ(Describe(2, 11025, 16).rateKhz, 11u);
    EXPECT_EQ(Describe(2, 8000, 16).rateKhz, 8u);
    EXPECT_EQ(Describe(2, 48000, 16).rateKhz, 48u);
    FormatState state = Describe(2, 44100, 16);
    EXPECT_EQ(state.sampleRate, 44100.0);
    EXPECT_EQ(state.avgBytesPerSec, 176400u);
    EXPECT_EQ(state.blockAlign, 4);
}

TEST(FormatState, OggVorbisTagsShowNoBits) {
    EXPECT_EQ(Describe(2, 44100, 16, 0x6750).bitsShown, 0u);
    EXPECT_EQ(Describe(2, 44100, 16, 0x6752).bitsShown, 16u);
    EXPECT_TRUE(IsCompressedTag(0x55));
    EXPECT_TRUE(IsCompressedTag(0x73));
    EXPECT_TRUE(IsCompressedTag(0x6751));
    EXPECT_FALSE(IsCompressedTag(1));
    EXPECT_FALSE(IsCompressedTag(0x74));
}

TEST(LayoutUnits, ComeFromTheOemFont) {
    FontMetrics english{11, 9, 6, 0};
    EXPECT_FALSE(UsesJapanese(english, false));
    LayoutUnits units = ComputeLayoutUnits(english, false);
    EXPECT_EQ(units.unitX, 6);
    EXPECT_EQ(units.unitY, 6);
    EXPECT_EQ(units.unitA, 4);
    EXPECT_EQ(ClientWidth(units), 280);
    EXPECT_EQ(ClientHeight(units), 310);

    FontMetrics japanese{12, 10, 6, 128};
    EXPECT_TRUE(UsesJapanese(japanese, false));
    EXPECT_FALSE(UsesJapanese(japanese, true));
    EXPECT_EQ(ComputeLayoutUnits(japanese, true).unitY, 5);
    EXPECT_EQ(ComputeLayoutUnits(japanese, false).unitY, 7);
    EXPECT_EQ(ClientWidth({8, 6, 4}), 320);  // 40 units wide beats 4 + 256
    // The window grows past W only where Reset would not fit in it.
    EXPECT_EQ(WindowClientWidth({8, 6, 4}), 320);
    EXPECT_EQ(WindowClientWidth(units), 304);
}

}  // namespace
}  // namespace lomvex
