// The channel operations: the quoted balance and mix values, silence of L-R,
// and the cases that leave the sound alone.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

#include "dsp/channel_operation.h"

namespace lomvex {
namespace {

// Runs `settings` on `bytes` as buffer 4 into buffer 5; returns buffer 5
// (filled with 0xEE beforehand) or an empty vector when 4 was returned.
std::vector<uint8_t> Apply(ChannelSettings settings, std::vector<uint8_t> bytes, int layout = 3,
                           unsigned tag = 1, bool decoder = false) {
    std::vector<uint8_t> target(bytes.size(), 0xEE);
    uint8_t* buffers[9] = {};
    buffers[4] = bytes.data();
    buffers[5] = target.data();
    PcmSource source;
    source.layoutCode = layout;
    source.formatTag = tag;
    source.decoderStream = decoder;
    const int index =
        ApplyChannelOperation(settings, source, buffers, 5, 4, static_cast<uint32_t>(bytes.size()));
    return index == 5 ? target : std::vector<uint8_t>();
}

std::vector<uint8_t> Pack16(const std::vector<int>& samples) {
    std::vector<uint8_t> bytes;
    for (int s : samples) bytes.push_back(s & 0xFF), bytes.push_back((s >> 8) & 0xFF);
    return bytes;
}

std::vector<int> Mix16(int operation, int balance, int left, int right) {
    const std::vector<uint8_t> out = Apply({operation, balance}, Pack16({left, right}));
    return {static_cast<int16_t>(out[0] | out[1] << 8), static_cast<int16_t>(out[2] | out[3] << 8)};
}

TEST(DspChannelOperation, QuotedValues) {
    using V = std::vector<int>;
    EXPECT_EQ(Mix16(kChannelMonaural, 0, 1000, 3000), (V{2000, 2000}));
    EXPECT_EQ(Mix16(kChannelMonaural, 64, 1000, 3000), (V{1750, 1750}));
    EXPECT_EQ(Mix16(kChannelMinusOne, 0, 3000, 1000), (V{1000, 1000}));
    EXPECT_EQ(Mix16(kChannelMinusOne, -64, 3000, 1000), (V{1250, 1250}));  // gR = 64
    EXPECT_EQ(Mix16(kChannelBalance, -128, 1234, -4321), (V{1234, 0}));
    EXPECT_EQ(Mix16(kChannelBalance, 0, -32768, 32767), (V{-32768, 32767}));
    EXPECT_EQ(Mix16(kChannelMinusOne, 0, -32768, 32767), (V{-32768, -32768}));  // no clipping
    EXPECT_EQ(Mix16(kChannelMonaural, 0, -1, 0), (V{-1, -1}));                  // shifts round down
    EXPECT_EQ(Mix16(kChannelBalance, 64, -1, 5), (V{-1, 5}));
    // 8-bit sound in the offset form: balance 64 makes 0 (-128) 64 and 255 (127) 191.
    EXPECT_EQ(Apply({kChannelBalance, 64}, {0, 100, 255, 128}, 2),
              (std::vector<uint8_t>{64, 100, 191, 128}));
}

TEST(DspChannelOperation, MinusOneOfIdenticalChannelsIsSilence) {
    std::mt19937 rng(7);
    std::vector<int> samples;
    std::vector<uint8_t> bytes;
    for (int i = 0; i < 2000; ++i) {
        const int s = static_cast<int>(rng() % 65536) - 32768;
        samples.insert(samples.end(), {s, s});
        bytes.insert(bytes.end(), {static_cast<uint8_t>(s), static_cast<uint8_t>(s)});
    }
    EXPECT_EQ(Apply({kChannelMinusOne, 0}, Pack16(samples)), std::vector<uint8_t>(8000, 0));
    EXPECT_EQ(Apply({kChannelMinusOne, 0}, bytes, 2), std::vector<uint8_t>(4000, 128));
}

TEST(DspChannelOperation, LeavesSoundAloneWhenItCannotApply) {
    const std::vector<uint8_t> sound = Pack16({100, 200, 300, 400});
    EXPECT_TRUE(Apply({kChannelMinusOne, 0}, sound, 1).empty());  // mono
    EXPECT_TRUE(Apply({kChannelNothing, 0}, sound).empty());
    EXPECT_TRUE(Apply({kChannelMonaural, 0}, sound, 3, 85).empty());  // MP3 without decoder
    EXPECT_EQ(Apply({kChannelMonaural, 0}, sound, 3, 85, true)[0], 150);
    // A lone trailing sample is neither read as half a pair nor written.
    EXPECT_EQ(Apply({kChannelMinusOne, 0}, {200, 100, 250}, 2),
              (std::vector<uint8_t>{178, 178, 0xEE}));
}

}  // namespace
}  // namespace lomvex
