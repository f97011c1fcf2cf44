// Voice removal: what goes and what stays of centred and side tones, the
// stream's length and alignment, blocks of any size, and the rates refused.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <random>
#include <vector>

#include "dsp/voice_removal.h"

namespace lomvex {
namespace {

constexpr double kRate = 44100.0;
constexpr double kPi = 3.14159265358979323846;

using Channel = std::vector<double>;

struct Stereo {
    Channel left, right;
};

// A sine of `hz` and amplitude `level`, `seconds` long.
Channel Tone(double hz, double level, double seconds) {
    Channel x(static_cast<size_t>(seconds * kRate));
    for (size_t i = 0; i < x.size(); ++i) x[i] = level * std::sin(2 * kPi * hz * i / kRate);
    return x;
}

// A sung-vowel-like tone: 12 harmonics of `hz` falling 3 dB each.
Channel HarmonicTone(double hz, double level, double seconds) {
    Channel x(static_cast<size_t>(seconds * kRate), 0.0);
    for (int h = 1; h <= 12; ++h) {
        const Channel partial = Tone(h * hz, level * std::pow(0.7, h - 1), seconds);
        for (size_t i = 0; i < x.size(); ++i) x[i] += partial[i];
    }
    return x;
}

Channel Plus(const Channel& a, const Channel& b) {
    Channel x(a);
    for (size_t i = 0; i < x.size(); ++i) x[i] += b[i];
    return x;
}

// Streams `in` through the stage in blocks of the sizes `blocks` gives,
// drops the first latency frames and appends the flushed ones.
template <typename BlockSizes>
Stereo Process(Stereo in, BlockSizes blocks, double rate = kRate) {
    VoiceRemovalState state;
    EXPECT_TRUE(StartVoiceRemoval(state, rate));
    const size_t length = in.left.size();
    for (size_t done = 0; done < length;) {
        const size_t block = std::min<size_t>(blocks(), length - done);
        RemoveVoice(state, &in.left[done], &in.right[done], static_cast<int>(block));
        done += block;
    }
    const int latency = VoiceRemovalLatency(state);
    Channel left(latency), right(latency);
    FlushVoiceRemoval(state, left.data(), right.data());
    Stereo out{Channel(in.left.begin() + latency, in.left.end()),
               Channel(in.right.begin() + latency, in.right.end())};
    out.left.insert(out.left.end(), left.begin(), left.end());
    out.right.insert(out.right.end(), right.begin(), right.end());
    return out;
}

Stereo Process(const Stereo& in) {
    return Process(in, [] { return 4096; });
}

// The level in dB of the part of `x` at `hz` (a least-squares sine fit)
// over the middle of the signal, away from the start and end.
double LevelDb(const Channel& x, double hz) {
    double c = 0, s = 0;
    const size_t from = x.size() / 4, to = 3 * x.size() / 4;
    for (size_t i = from; i < to; ++i) {
        c += x[i] * std::cos(2 * kPi * hz * i / kRate);
        s += x[i] * std::sin(2 * kPi * hz * i / kRate);
    }
    return 10 * std::log10((c * c + s * s) / double(to - from) / double(to - from) + 1e-30);
}

TEST(VoiceRemoval, CentredVoiceFallsAndSideTonesStay) {
    const Channel voice = HarmonicTone(220.0, 3000.0, 3.0);
    const Channel leftTone = Tone(1500.0, 2000.0, 3.0), rightTone = Tone(2700.0, 2000.0, 3.0);
    const Stereo out = Process({Plus(voice, leftTone), Plus(voice, rightTone)});
    for (double hz : {220.0, 440.0, 660.0, 1100.0}) {
        EXPECT_LT(LevelDb(out.left, hz), LevelDb(voice, hz) - 30.0) << hz << " Hz";
        EXPECT_LT(LevelDb(out.right, hz), LevelDb(voice, hz) - 30.0) << hz << " Hz";
    }
    EXPECT_NEAR(LevelDb(out.left, 1500.0), LevelDb(leftTone, 1500.0), 0.5);
    EXPECT_NEAR(LevelDb(out.right, 2700.0), LevelDb(rightTone, 2700.0), 0.5);
}

// A voice that reaches the right channel 0.3 ms late is out of phase
// between the channels at its upper harmonics; the stage finds the lag and
// still takes it, early or late. A quiet centred hiss without a lag fills
// every other bin of the band the lag is looked for in: the voice's lag
// still counts, not the hiss's.
TEST(VoiceRemoval, AVoiceLateInOneChannelFallsToo) {
    const Channel voice = HarmonicTone(196.0, 3000.0, 4.0);
    const Channel sideTone = Tone(1234.0, 2000.0, 4.0);
    std::mt19937 random(5);
    std::normal_distribution<double> noise(0.0, 30.0);
    Channel hiss(voice.size());
    for (double& v : hiss) v = noise(random);
    for (int lateRight : {13, -13}) {
        Channel early(voice), late(voice.size(), 0.0);
        const size_t lag = static_cast<size_t>(std::abs(lateRight));
        std::copy(voice.begin(), voice.end() - lag, late.begin() + lag);
        if (lateRight < 0) std::swap(early, late);
        const Stereo out = Process({Plus(Plus(early, hiss), sideTone), Plus(late, hiss)});
        for (double hz : {392.0, 980.0, 1764.0, 2156.0}) {
            EXPECT_LT(LevelDb(out.left, hz), LevelDb(voice, hz) - 25.0)
                << hz << " Hz " << lateRight;
            EXPECT_LT(LevelDb(out.right, hz), LevelDb(voice, hz) - 25.0)
                << hz << " Hz " << lateRight;
        }
        EXPECT_NEAR(LevelDb(out.left, 1234.0), LevelDb(sideTone, 1234.0), 0.5) << lateRight;
    }
}

// One instrument panned part way to a side is in both channels at once and
// in phase, but at unequal levels: it is no centre, and passes.
TEST(VoiceRemoval, AnInstrumentPannedPartWayPasses) {
    const Channel piano = HarmonicTone(262.0, 4000.0, 3.0);
    Channel quiet(piano);
    for (double& v : quiet) v *= 0.24;
    const Stereo out = Process({piano, quiet});
    for (double hz : {262.0, 524.0, 1048.0}) {
        EXPECT_NEAR(LevelDb(out.left, hz), LevelDb(piano, hz), 0.5) << hz << " Hz";
        EXPECT_NEAR(LevelDb(out.right, hz), LevelDb(quiet, hz), 0.5) << hz << " Hz";
    }
}

TEST(VoiceRemoval, CentredBassTonePasses) {
    const Channel bass = Tone(60.0, 8000.0, 3.0);
    const Stereo out = Process({bass, bass});
    EXPECT_NEAR(LevelDb(out.left, 60.0), LevelDb(bass, 60.0), 0.5);
    EXPECT_NEAR(LevelDb(out.right, 60.0), LevelDb(bass, 60.0), 0.5);
}

TEST(VoiceRemoval, OneSideOnlyPassesAlignedAndWholeLength) {
    std::mt19937 random(7);
    std::normal_distribution<double> noise(0.0, 3000.0);
    Channel left(50000);
    for (double& v : left) v = noise(random);
    const Channel music = Plus(left, HarmonicTone(330.0, 2000.0, 50000 / kRate));
    const Stereo out = Process({music, Channel(music.size(), 0.0)});
    ASSERT_EQ(out.left.size(), music.size());
    ASSERT_EQ(out.right.size(), music.size());
    double worst = 0;
    for (size_t i = 0; i < music.size(); ++i) {
        worst = std::max(worst, std::fabs(out.left[i] - music[i]) + std::fabs(out.right[i]));
    }
    EXPECT_LT(worst, 1e-6);
}

TEST(VoiceRemoval, BlocksOfAnySizeGiveTheSameOutput) {
    const Channel voice = HarmonicTone(196.0, 4000.0, 2.0);
    const Stereo in{Plus(voice, Tone(900.0, 1000.0, 2.0)), Plus(voice, Tone(80.0, 3000.0, 2.0))};
    const Stereo whole = Process(in, [] { return 1 << 30; });
    std::mt19937 random(3);
    std::uniform_int_distribution<int> size(0, 3000);
    const Stereo cut = Process(in, [&] { return size(random); });
    ASSERT_EQ(whole.left.size(), cut.left.size());
    for (size_t i = 0; i < whole.left.size(); ++i) {
        ASSERT_NEAR(whole.left[i], cut.left[i], 1e-9) << i;
        ASSERT_NEAR(whole.right[i], cut.right[i], 1e-9) << i;
    }
}

TEST(VoiceRemoval, LatencyStaysWithin150MsAtEveryRate) {
    for (double rate : {8000.0, 11025.0, 22050.0, 32000.0, 44100.0, 48000.0, 96000.0}) {
        VoiceRemovalState state;
        ASSERT_TRUE(StartVoiceRemoval(state, rate)) << rate;
        EXPECT_GT(VoiceRemovalLatency(state), 0);
        EXPECT_LE(VoiceRemovalLatency(state), 0.15 * rate) << rate;
    }
}

TEST(VoiceRemoval, StartRefusesBadRates) {
    VoiceRemovalState state;
    for (double rate : {0.0, -44100.0, 10.0, 1e9, std::nan("")}) {
        EXPECT_FALSE(StartVoiceRemoval(state, rate)) << rate;
        EXPECT_EQ(state.n, 0);
    }
}

}  // namespace
}  // namespace lomvex
