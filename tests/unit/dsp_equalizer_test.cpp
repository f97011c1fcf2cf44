// Band edges of the three equalizing modes at the quoted bins, and the
// parametric field texts.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "dsp/channel_operation.h"
#include "dsp/equalizer.h"
#include "dsp/parametric_text.h"

namespace lomvex {
namespace {

// The factor of every bin: the equalizer applied to a frame of ones. Both
// arrays of a bin get the same factor.
std::vector<double> Gains(const EqualizerSettings& eq, int n, double fs = 44100.0) {
    std::vector<double> re(n, 1.0), im(n, 1.0);
    ApplyEqualizer(eq, fs, kChannelNothing, re.data(), im.data(), n);
    EXPECT_EQ(re, im);
    return re;
}

// Expects factor g on bins [from, to] and on their partners N-1-i.
void ExpectBand(const std::vector<double>& gains, int from, int to, double g) {
    for (int i = from; i <= to; ++i) {
        ASSERT_DOUBLE_EQ(gains[i], g) << "bin " << i;
        ASSERT_DOUBLE_EQ(gains[gains.size() - 1 - i], g) << "partner of bin " << i;
    }
}

EqualizerSettings Mode(int fftmode) {
    EqualizerSettings eq;
    eq.fftmode = fftmode;
    return eq;
}

TEST(DspEqualizer, GraphicOctaveBands) {
    EqualizerSettings eq = Mode(0);  // 0 counts as graphic
    eq.bars[18] = -6;                // shown +6: factor 2
    eq.bars[17] = 12;                // odd bars are hidden below 4096 points
    std::vector<double> g = Gains(eq, 2048);
    ExpectBand(g, 512, 1023, 2.0);  // and 1024 .. 1535
    ExpectBand(g, 0, 511, 1.0);

    eq = Mode(kFftModeGraphic);
    eq.bars[0] = -6;
    eq.bars[4] = 6;
    eq.bars[6] = -6;
    g = Gains(eq, 2048);
    ExpectBand(g, 0, 0, 1.0);  // bin 0 untouched, bar 0 is bin 1 only
    ExpectBand(g, 1, 1, 2.0);
    g = Gains(eq, 256);  // the halving reaches 0: bar 4 takes bin 0
    ExpectBand(g, 0, 0, 0.5);
    ExpectBand(g, 1, 1, 2.0);
    ExpectBand(g, 2, 127, 1.0);
}

TEST(DspEqualizer, GraphicHalfOctaveBands) {
    EqualizerSettings eq = Mode(kFftModeGraphic);
    for (int j = 0; j < kBarCount; ++j) eq.bars[j] = -(j + 1);
    const std::vector<double> g = Gains(eq, 4096);
    ExpectBand(g, 1448, 2047, std::pow(2.0, 20 / 6.0));  // boundary 1448.14
    ExpectBand(g, 1447, 1447, std::pow(2.0, 19 / 6.0));
    int barsSeen = 1;  // every bar, in order, down to bin 1; bin 0 untouched
    for (int i = 2046; i >= 1; --i) barsSeen += g[i] < g[i + 1];
    EXPECT_EQ(barsSeen, 20);
    ExpectBand(g, 1, 1, std::pow(2.0, 1 / 6.0));
    ExpectBand(g, 0, 0, 1.0);
}

TEST(DspEqualizer, ParametricBands) {
    EqualizerSettings eq = Mode(kFftModeParametric);
    ExpectBand(Gains(eq, 512), 0, 255, 1.0);  // empty fields: all edges 0
    const double bands[9] = {100, 200, -6, 100, 150, 12, 300, 300, 12};
    std::copy(bands, bands + 9, eq.parametric);
    const std::vector<double> g = Gains(eq, 1024);  // 43.07 Hz per bin
    ExpectBand(g, 0, 2, 1.0);                       // 86.1 Hz not
    ExpectBand(g, 3, 3, 2.0);                       // 129.2 Hz: both bands multiply
    ExpectBand(g, 4, 4, 0.5);                       // 172.3 Hz
    ExpectBand(g, 5, 511, 1.0);                     // an empty band does nothing
}

TEST(DspEqualizer, EasySettingCutsAndBoosts) {
    EqualizerSettings eq = Mode(kFftModeEasy);
    eq.easy.voice[kSoprano] = true;
    const double fs = 40960.0;  // 10 Hz per bin at 4096 points
    std::vector<double> g = Gains(eq, 4096, fs);
    ExpectBand(g, 0, 32, 1.0);  // 320 Hz kept: strict edges
    ExpectBand(g, 33, 90, 0.0);
    ExpectBand(g, 91, 2047, 1.0);
    eq.easy.octaveCut = true;
    g = Gains(eq, 4096, fs);
    ExpectBand(g, 33, 181, 0.0);  // up to 1812 Hz
    ExpectBand(g, 182, 182, 1.0);

    eq = Mode(kFftModeEasy);
    eq.easy.subsonic = eq.easy.lowBoost = true;
    g = Gains(eq, 4096, fs);
    ExpectBand(g, 0, 0, 0.0);  // 0 Hz: subsonic (0/20)^2
    ExpectBand(g, 1, 1, 1.0);  // 10 Hz: subsonic 0.25 x low boost 4
    ExpectBand(g, 8, 8, 2.0);  // 80 Hz: low boost 160/f
}

TEST(DspEqualizer, MinusOneBoostsLowBandsUnequally) {
    const int n = 4096;
    ExpectBand(Gains(Mode(kFftModeEasy), n, 40960.0), 0, n / 2 - 1, 1.0);  // nothing ticked
    std::vector<double> re(n, 1.0), im(n, 1.0);
    ApplyEqualizer(Mode(kFftModeEasy), 40960.0, kChannelMinusOne, re.data(), im.data(), n);
    // Bins 0 .. 12 are 0 .. 120 Hz: {bin i, bin N-1-i}.
    const double expected[13][2] = {{1, 1},   {1, 1},   {2.8, 2}, {4, 2.8}, {4, 2.8},
                                    {4, 2.8}, {2.8, 2}, {2.8, 2}, {2, 1.4}, {2, 1.4},
                                    {2, 1.4}, {2, 1.4}, {1, 1}};
    for (int i = 0; i < 13; ++i) {
        EXPECT_EQ(re[i], expected[i][0]) << i;
        EXPECT_EQ(im[i], expected[i][0]) << i;
        EXPECT_EQ(re[n - 1 - i], expected[i][1]) << i;
        EXPECT_EQ(im[n - 1 - i], expected[i][1]) << i;
    }
}

TEST(DspParametricText, StandardConversionOfFiveCharacters) {
    const auto values = ParametricBandsFromTexts(
        {"100", "-6", "12.5x", " 440", "", "abc", "123456", "1e999", "nan"});
    // Past five characters nothing counts; non-finite numbers give 0.
    EXPECT_EQ(values, (std::array<double, 9>{100, -6, 12.5, 440, 0, 0, 12345, 0, 0}));
}

}  // namespace
}  // namespace lomvex
