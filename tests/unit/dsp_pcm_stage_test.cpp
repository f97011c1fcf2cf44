// A streaming stage over a run's PCM buffers, with the pitch shifter as the
// stage: a run keeps its length whatever the buffer sizes and the room for
// the tail, a tone comes out shifted in place in every layout.
#include "dsp/pcm_stage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "common/tone_measure.h"
#include "dsp/frame_stages.h"
#include "dsp/pcm_frames.h"

namespace lomvex {
namespace {

constexpr double kRate = 44100.0;
constexpr double kPi = 3.14159265358979323846;
constexpr int kStereo16 = kLayout16Bit | kLayoutStereo;

using Bytes = std::vector<uint8_t>;

// `frames` frames of `layout`: a tone of `hz` in the first channel and of
// 1.5·hz in the second, at a third of full scale, from `from` seconds on.
Bytes Tones(int layout, int frames, double hz, double from = 0.0) {
    std::vector<double> first(frames), second(frames);
    const double scale = (layout & kLayout16Bit) ? 10000.0 : 40.0;
    for (int i = 0; i < frames; ++i) {
        const double t = i / kRate;
        first[i] = t < from ? 0.0 : scale * std::sin(2 * kPi * hz * t);
        second[i] = t < from ? 0.0 : scale * std::sin(2 * kPi * 1.5 * hz * t);
    }
    Bytes pcm(static_cast<size_t>(frames) * LayoutBytesPerFrame(layout));
    WritePcmFrames(pcm.data(), layout, frames, first.data(), second.data());
    return pcm;
}

// Runs `pcm` through a started shifter in buffers of `bufferFrames` with
// `room` spare bytes each, then takes the tail in pieces of `tailBytes`.
Bytes StreamBuffers(PcmStage& shift, const Bytes& pcm, int layout, int bufferFrames, uint32_t room,
                    uint32_t tailBytes) {
    const uint32_t frameBytes = LayoutBytesPerFrame(layout);
    Bytes out;
    std::vector<uint8_t> buffer(bufferFrames * frameBytes + room);
    for (size_t at = 0; at < pcm.size(); at += bufferFrames * frameBytes) {
        const uint32_t n =
            static_cast<uint32_t>(std::min<size_t>(bufferFrames * frameBytes, pcm.size() - at));
        std::copy(pcm.begin() + at, pcm.begin() + at + n, buffer.begin());
        const bool end = at + n == pcm.size();
        const uint32_t got = ProcessPcmStage(shift, buffer.data(), n, n + room, end);
        EXPECT_LE(got, n + room);
        out.insert(out.end(), buffer.begin(), buffer.begin() + got);
    }
    std::vector<uint8_t> piece(tailBytes);
    while (uint32_t got = TakePcmStageTail(shift, piece.data(), tailBytes))
        out.insert(out.end(), piece.begin(), piece.begin() + got);
    return out;
}

std::unique_ptr<FrameStage> Shifter(double semitones, int layout) {
    return MakePitchShiftStage(kRate, LayoutChannels(layout), semitones, 100.0, 100.0);
}

// Both channels of `pcm` as doubles (the second stays 0 for one channel).
std::vector<std::vector<double>> Channels(const Bytes& pcm, int layout) {
    const size_t frames = pcm.size() / LayoutBytesPerFrame(layout);
    std::vector<std::vector<double>> x(2, std::vector<double>(frames));
    ReadPcmFrames(pcm.data(), layout, static_cast<int>(frames), x[0].data(), x[1].data());
    return x;
}

TEST(PcmStage, ARunKeepsItsLengthWhateverTheBuffers) {
    struct Case {
        int layout, frames, bufferFrames;
        uint32_t room, tailBytes;
    };
    // Buffers shorter than the lag, a run shorter than the lag, a tail that
    // fits the last buffer and one that needs many pieces.
    for (const Case& c :
         {Case{kStereo16, 44100, 1024, 0, 1000}, Case{kStereo16, 44100, 16384, 20000, 4},
          Case{kStereo16, 1000, 4096, 0, 4096}, Case{0, 30001, 7000, 3, 5},
          Case{kLayout16Bit, 5000, 5000, 100000, 64}}) {
        PcmStage shift;
        ASSERT_TRUE(StartPcmStage(shift, Shifter(-3.0, c.layout), c.layout));
        const Bytes out = StreamBuffers(shift, Tones(c.layout, c.frames, 440.0), c.layout,
                                        c.bufferFrames, c.room, c.tailBytes);
        EXPECT_EQ(out.size(), static_cast<size_t>(c.frames) * LayoutBytesPerFrame(c.layout))
            << "layout " << c.layout << ", " << c.frames << " frames in " << c.bufferFrames;
        EXPECT_EQ(TakePcmStageTail(shift, std::vector<uint8_t>(64).data(), 64), 0u);
        EXPECT_FALSE(PcmStageOwesTail(shift));
    }
}

TEST(PcmStage, WithoutAStageBuffersPassUntouched) {
    PcmStage none;
    ASSERT_TRUE(StartPcmStage(none, nullptr, kStereo16));
    Bytes pcm = Tones(kStereo16, 1000, 440.0);
    const Bytes before = pcm;
    EXPECT_EQ(ProcessPcmStage(none, pcm.data(), 4000, 8000, true), 4000u);
    EXPECT_EQ(pcm, before);
    EXPECT_EQ(PcmStageTailBytes(none), 0u);
    EXPECT_FALSE(PcmStageOwesTail(none));
}

TEST(PcmStage, AToneIsShiftedInPlaceInEveryLayout) {
    const double up = std::pow(2.0, 2.0 / 12.0);
    for (int layout : {kStereo16, kLayout16Bit, kLayoutStereo, 0}) {
        PcmStage shift;
        ASSERT_TRUE(StartPcmStage(shift, Shifter(2.0, layout), layout));
        const Bytes out =
            StreamBuffers(shift, Tones(layout, 88200, 440.0, 0.5), layout, 4410, 64, 4096);
        const std::vector<std::vector<double>> x = Channels(out, layout);
        const std::vector<double>& first = x[0];
        EXPECT_NEAR(testing::MeasuredHz(first, kRate, 0.8, 1.8), 440.0 * up, 1.0) << layout;
        // The sound starts where it started, at 0.5 s: not 50 ms early, and
        // at full level 20 ms after.
        const double full = (layout & kLayout16Bit) ? 10000.0 : 40.0;
        for (int i = 0; i < static_cast<int>(0.45 * kRate); ++i)
            ASSERT_LT(std::fabs(first[i]), full / 20) << "layout " << layout << " frame " << i;
        const auto late = first.begin() + static_cast<int>(0.52 * kRate);
        EXPECT_GT(*std::max_element(late, late + 441), full * 0.8) << "layout " << layout;
        if (LayoutChannels(layout) == 2) {
            EXPECT_NEAR(testing::MeasuredHz(x[1], kRate, 0.8, 1.8), 660.0 * up, 1.5) << layout;
        }
    }
}

}  // namespace
}  // namespace lomvex
