// The record setup dialog's rules: what an input device's format mask does
// to the settings, the checked buttons and the enabled controls when the
// dialog opens; what the radio buttons store; the format OK asks about.
#include "dialogs/record_setup.h"

#include <gtest/gtest.h>

#include <vector>

namespace lomvex {
namespace {

using namespace record_ids;

// WAVE_FORMAT_* masks of a few input devices.
constexpr uint32_t kOnly11kMono8 = 0x001;  // WAVE_FORMAT_1M08
constexpr uint32_t kUpTo22k = 0x0FF;       // 11 and 22 kHz, every channel and bit count
constexpr uint32_t kAllFormats = 0xFFF;

RecordSetup Stored(uint32_t freq, int16_t channel, int16_t bits) {
    RecordSetup s;
    s.freq = freq;
    s.channel = channel;
    s.bits = bits;
    return s;
}

void ExpectQuery(const RecordSetup& setup, uint16_t channels, uint32_t rate, uint16_t blockAlign,
                 uint32_t byteRate, uint16_t bits) {
    FormatFields f = RecordQueryFormat(setup);
    EXPECT_EQ(f.tag, 1);
    EXPECT_EQ(f.channels, channels);
    EXPECT_EQ(f.samplesPerSec, rate);
    EXPECT_EQ(f.blockAlign, blockAlign);
    EXPECT_EQ(f.avgBytesPerSec, byteRate);
    EXPECT_EQ(f.bitsPerSample, bits);
}

TEST(RecordSetupStart, TheInputDeviceNarrowsTheChoices) {
    // A device with only 11 kHz mono 8-bit: one choice in every group.
    RecordSetupStart only = StartRecordSetup(kOnly11kMono8, Stored(44100, 2, 16));
    EXPECT_EQ(only.rateButton, kRate11k);
    EXPECT_EQ(only.channelButton, kMonaural);
    EXPECT_EQ(only.bitsButton, kBits8);
    EXPECT_EQ(only.disabled,
              (std::vector<int>{kChannelGroup, kStereo, kMonaural, kBitsGroup, kBits16, kBits8,
                                kRateGroup, kRate44k, kRate22k, kRate11k}));
    ExpectQuery(only.setup, 1, 11025, 1, 11025, 8);

    // Without 44 kHz a stored 44100 becomes 22050 and only the 44kHz button
    // is disabled.
    RecordSetupStart upTo22 = StartRecordSetup(kUpTo22k, Stored(44100, 2, 16));
    EXPECT_EQ(upTo22.setup.freq, 22050u);
    EXPECT_EQ(upTo22.rateButton, kRate22k);
    EXPECT_EQ(upTo22.channelButton, kStereo);
    EXPECT_EQ(upTo22.bitsButton, kBits16);
    EXPECT_EQ(upTo22.disabled, std::vector<int>{kRate44k});
    EXPECT_EQ(StartRecordSetup(kUpTo22k, Stored(11025, 1, 16)).rateButton, kRate11k);

    // Everything offered: the settings stay and nothing is disabled.
    RecordSetupStart all = StartRecordSetup(kAllFormats, Stored(22050, 1, 16));
    EXPECT_EQ(all.setup.freq, 22050u);
    EXPECT_EQ(all.rateButton, kRate22k);
    EXPECT_EQ(all.channelButton, kMonaural);
    EXPECT_EQ(all.bitsButton, kBits16);
    EXPECT_TRUE(all.disabled.empty());

    // No input device at all: the same single choice as the 11 kHz device.
    RecordSetupStart none = StartRecordSetup(0, Stored(22050, 2, 16));
    EXPECT_EQ(none.disabled.size(), 10u);
    ExpectQuery(none.setup, 1, 11025, 1, 11025, 8);
}

TEST(RecordSetupStart, ARateFromTheCommandLineChecksNoButtonAndIsKept) {
    for (uint32_t mask : {kAllFormats, kUpTo22k}) {
        RecordSetupStart start = StartRecordSetup(mask, Stored(48000, 2, 16));
        EXPECT_EQ(start.rateButton, 0) << mask;
        EXPECT_EQ(start.setup.freq, 48000u) << mask;
        ExpectQuery(start.setup, 2, 48000, 4, 192000, 16);
    }
    // A device with 11 kHz alone still forces its one rate.
    EXPECT_EQ(StartRecordSetup(kOnly11kMono8, Stored(48000, 2, 16)).setup.freq, 11025u);
}

TEST(RecordSetupButtons, EachStoresItsValueInItsGroup) {
    RecordSetup setup = Stored(11025, 1, 8);
    auto rate = ClickRecordButton(kRate22k, setup);
    auto channels = ClickRecordButton(kStereo, setup);
    auto bits = ClickRecordButton(kBits16, setup);
    ASSERT_TRUE(rate && channels && bits);
    EXPECT_EQ(rate->first, kRate44k);
    EXPECT_EQ(rate->last, kRate11k);
    EXPECT_EQ(channels->first, kStereo);
    EXPECT_EQ(channels->last, kMonaural);
    EXPECT_EQ(bits->first, kBits16);
    EXPECT_EQ(bits->last, kBits8);
    ExpectQuery(setup, 2, 22050, 4, 88200, 16);

    ClickRecordButton(kRate44k, setup);
    ClickRecordButton(kMonaural, setup);
    ClickRecordButton(kBits8, setup);
    ExpectQuery(setup, 1, 44100, 1, 44100, 8);

    for (int other : {kOk, kCancel, kRateGroup, kChannelGroup, kBitsGroup}) {
        EXPECT_FALSE(ClickRecordButton(other, setup)) << other;
    }
    ExpectQuery(setup, 1, 44100, 1, 44100, 8);
}

}  // namespace
}  // namespace lomvex
