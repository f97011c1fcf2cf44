// The transposition and tempo: the pitch of a shifted or stretched tone,
// where its sound starts and ends, the shift of 0 at tempo 100 as a plain
// delay, blocks of any size, changes of shift and tempo while streaming,
// clicks kept in time, and the stereo image.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "common/tone_measure.h"
#include "dsp/pitch_shift.h"

namespace lomvex {
namespace {

constexpr double kRate = 44100.0;
constexpr double kPi = 3.14159265358979323846;

using Channel = std::vector<double>;

// Streams the channels through a started stage in blocks of `blockSize`
// frames (0: uneven sizes), drops the first latency frames and appends the
// flushed ones: the output as aligned with the input as a saved file is.
std::vector<Channel> Stream(PitchShiftState& state, const std::vector<Channel>& in,
                            size_t blockSize = 0) {
    const bool stereo = in.size() == 2;
    const size_t length = in[0].size();
    std::vector<Channel> out(in.size());
    Channel a, b;
    auto keep = [&](int count) {
        out[0].insert(out[0].end(), a.begin(), a.begin() + count);
        if (stereo) out[1].insert(out[1].end(), b.begin(), b.begin() + count);
    };
    for (size_t done = 0, block = 1; done < length; done += block) {
        block = std::min(blockSize ? blockSize : block * 3 % 4999 + 1, length - done);
        a.assign(PitchShiftMostOutput(state, static_cast<int>(block)), 0.0);
        b.assign(a.size(), 0.0);
        keep(ShiftPitch(state, &in[0][done], stereo ? &in[1][done] : nullptr,
                        static_cast<int>(block), a.data(), stereo ? b.data() : nullptr));
    }
    a.assign(PitchShiftMostFlush(state), 0.0);
    b.assign(a.size(), 0.0);
    keep(FlushPitchShift(state, a.data(), stereo ? b.data() : nullptr));
    for (Channel& c : out) c.erase(c.begin(), c.begin() + PitchShiftLatency(state));
    return out;
}

std::vector<Channel> Shift(const std::vector<Channel>& in, double semitones, double tempo = 100,
                           size_t blockSize = 0) {
    PitchShiftState state;
    EXPECT_TRUE(StartPitchShift(state, kRate, static_cast<int>(in.size())));
    SetPitchShift(state, semitones);
    SetTempo(state, tempo);
    return Stream(state, in, blockSize);
}

// A sine of `hz` from `from` to `to` seconds within `seconds`.
Channel Tone(double hz, double seconds, double from = 0.0, double to = 1e9) {
    Channel x(static_cast<size_t>(seconds * kRate));
    for (size_t i = 0; i < x.size(); ++i) {
        const double t = i / kRate;
        x[i] = t >= from && t < to ? 10000.0 * std::sin(2 * kPi * hz * t) : 0.0;
    }
    return x;
}

double MeasuredHz(const Channel& x, double from, double to) {
    return testing::MeasuredHz(x, kRate, from, to);
}

// Seconds from the start to the first and the last sample above `level`.
std::pair<double, double> SoundingSpan(const Channel& x, double level) {
    size_t first = x.size(), last = 0;
    for (size_t i = 0; i < x.size(); ++i) {
        if (std::fabs(x[i]) > level) first = std::min(first, i), last = i;
    }
    return {first / kRate, last / kRate};
}

// Magnitude and phase of `x` at `hz` over [from, from + 1 s), Hann-weighted.
std::pair<double, double> Partial(const Channel& x, double hz, double from) {
    double re = 0, im = 0;
    const size_t start = static_cast<size_t>(from * kRate), n = static_cast<size_t>(kRate);
    for (size_t i = 0; i < n; ++i) {
        const double w = 0.5 - 0.5 * std::cos(2 * kPi * i / n);
        re += w * x[start + i] * std::cos(2 * kPi * hz * (start + i) / kRate);
        im -= w * x[start + i] * std::sin(2 * kPi * hz * (start + i) / kRate);
    }
    return {std::hypot(re, im), std::atan2(im, re)};
}

TEST(DspPitchShift, ToneMovesBySemitonesAndKeepsItsTimes) {
    for (double semitones : {1.0, -12.0, 12.0}) {
        const double hz = 440.0 * std::pow(2.0, semitones / 12.0);
        const std::vector<Channel> out = Shift({Tone(440.0, 3.0, 0.5, 2.5)}, semitones);
        ASSERT_EQ(out[0].size(), static_cast<size_t>(3.0 * kRate));
        const double cents = 1200.0 * std::log2(MeasuredHz(out[0], 0.8, 2.2) / hz);
        EXPECT_LT(std::fabs(cents), 1.0) << semitones << " semitones";
        const auto [start, end] = SoundingSpan(out[0], 5000.0);
        EXPECT_NEAR(start, 0.5, 0.01) << semitones << " semitones";
        EXPECT_NEAR(end, 2.5, 0.01) << semitones << " semitones";
    }
}

TEST(DspPitchShift, TempoKeepsThePitchAndScalesTheLength) {
    for (double tempo : {50.0, 75.0, 150.0}) {
        const double stretch = 100.0 / tempo;
        const std::vector<Channel> out = Shift({Tone(440.0, 3.0, 0.5, 2.5)}, 0.0, tempo);
        EXPECT_NEAR(static_cast<double>(out[0].size()), 3.0 * kRate * stretch, 1.0) << tempo;
        const double cents =
            1200.0 * std::log2(MeasuredHz(out[0], 0.8 * stretch, 2.2 * stretch) / 440.0);
        EXPECT_LT(std::fabs(cents), 1.0) << tempo << " %";
        const auto [start, end] = SoundingSpan(out[0], 5000.0);
        EXPECT_NEAR(start, 0.5 * stretch, 0.01) << tempo << " %";
        EXPECT_NEAR(end, 2.5 * stretch, 0.01) << tempo << " %";
    }
}

TEST(DspPitchShift, ClicksKeepTheirSpacingScaledByTheTempo) {
    Channel clicks(static_cast<size_t>(3.0 * kRate));
    for (int k = 1; k <= 10; ++k) clicks[static_cast<size_t>(k * 0.25 * kRate)] = 20000.0;
    for (double tempo : {50.0, 75.0, 150.0}) {
        const Channel out = Shift({clicks}, 0.0, tempo)[0];
        for (int k = 1; k <= 10; ++k) {
            const double ideal = k * 0.25 * kRate * 100.0 / tempo;
            size_t peak = static_cast<size_t>(ideal - 0.02 * kRate);
            for (size_t i = peak; i < ideal + 0.02 * kRate && i < out.size(); ++i)
                if (std::fabs(out[i]) > std::fabs(out[peak])) peak = i;
            EXPECT_NEAR(peak, ideal, 0.005 * kRate) << tempo << " %, click " << k;
        }
    }
}

TEST(DspPitchShift, NoShiftAtTempo100PassesTheSoundUnchanged) {
    std::vector<Channel> in(2, Channel(30000));
    unsigned seed = 1;
    for (Channel& c : in) {
        for (double& v : c)
            v = static_cast<int>((seed = seed * 1103515245 + 12345) >> 16) % 65536 - 32768;
    }
    const std::vector<Channel> out = Shift(in, 0.04);  // rounds to 0
    ASSERT_EQ(out, in);
}

TEST(DspPitchShift, BlocksOfAnySizeGiveTheSameOutput) {
    const std::vector<Channel> in = {Tone(440.0, 2.0), Tone(660.0, 2.0)};
    for (const auto& [semitones, tempo] : {std::pair{0.0, 75.0}, std::pair{3.0, 125.0}}) {
        const std::vector<Channel> whole = Shift(in, semitones, tempo, in[0].size());
        EXPECT_EQ(Shift(in, semitones, tempo), whole) << semitones << ", " << tempo;
        EXPECT_EQ(Shift(in, semitones, tempo, 1), whole) << semitones << ", " << tempo;
    }
}

// Changes of shift and tempo while streaming: the level stays even (no gap,
// no dip or doubling where the grains cross-fade).
TEST(DspPitchShift, ShiftAndTempoChangesCrossFadeAtAnEvenLevel) {
    const Channel x = Tone(440.0, 4.0);
    PitchShiftState state;
    ASSERT_TRUE(StartPitchShift(state, kRate, 1));
    const double shifts[] = {0.0, 3.0, 0.0, -7.0}, tempos[] = {100.0, 100.0, 60.0, 180.0};
    Channel out(PitchShiftMostOutput(state, 44100));
    Channel y;
    for (int second = 0; second < 4; ++second) {
        SetPitchShift(state, shifts[second]);
        SetTempo(state, tempos[second]);
        const int n = ShiftPitch(state, &x[second * 44100], nullptr, 44100, out.data(), nullptr);
        y.insert(y.end(), out.begin(), out.begin() + n);
    }
    const size_t window = 2205;  // 50 ms
    for (size_t start = PitchShiftLatency(state) + window; start + window < y.size();
         start += window) {
        double squares = 0;
        for (size_t i = start; i < start + window; ++i) squares += y[i] * y[i];
        const double db = 10 * std::log10(squares / window / (10000.0 * 10000.0 / 2));
        ASSERT_NEAR(db, 0.0, 1.0) << start / kRate << " s";
    }
}

TEST(DspPitchShift, StereoImageStaysInPlace) {
    // A centred partial, a partial on each side, and one panned left 2 : 1.
    std::vector<Channel> in = {Tone(300.0, 3.0), Tone(300.0, 3.0)};
    const Channel left = Tone(700.0, 3.0), right = Tone(1100.0, 3.0), panned = Tone(1900.0, 3.0);
    for (size_t i = 0; i < in[0].size(); ++i) {
        in[0][i] += left[i] + panned[i];
        in[1][i] += right[i] + 0.5 * panned[i];
    }
    const double a = std::pow(2.0, 5.0 / 12.0);
    const std::vector<Channel> out = Shift(in, 5.0);
    for (const auto& [hz, ratio] : {std::pair{300.0, 1.0}, std::pair{1900.0, 0.5}}) {
        const auto [l, lPhase] = Partial(out[0], hz * a, 1.0);
        const auto [r, rPhase] = Partial(out[1], hz * a, 1.0);
        EXPECT_NEAR(r / l, ratio, 0.01 * ratio) << hz << " Hz";
        EXPECT_NEAR(std::remainder(rPhase - lPhase, 2 * kPi), 0.0, 0.01) << hz << " Hz";
    }
}

}  // namespace
}  // namespace lomvex
