// The whole per-buffer chain of playback: "L-R(minusOne)" on the staging
// buffer, then the frame pipeline with the graphic equalizer (every bar away
// from 0), on 16-bit stereo 44.1 kHz buffers of one-time units 4096 (16384
// sample frames). x_realtime = seconds of sound processed per second.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <vector>

#include "dsp/channel_operation.h"
#include "dsp/equalizer.h"
#include "dsp/frame_display.h"
#include "dsp/frame_pipeline.h"

namespace lomvex {
namespace {

constexpr int kSampleRate = 44100;
constexpr int kDeltatime = 4096;
// 176400 bytes per second is 16 x 11025, so one buffer is 16 x 4096 bytes.
constexpr uint32_t kBufferBytes = 16 * kDeltatime;
constexpr uint32_t kBufferFrames = kBufferBytes / 4;

void BM_PlaybackChain(benchmark::State& state) {
    const int fftparam = static_cast<int>(state.range(0));
    int mado = static_cast<int>(state.range(1));
    PipelineState pipeline;
    AllocFrameArrays(pipeline, fftparam, mado);
    StartPipelineRun(pipeline);

    EqualizerSettings equalizer;
    for (int j = 0; j < kBarCount; ++j) equalizer.bars[j] = (j % 5) - 2 + (j % 5 == 2);

    PipelineInputs in;
    in.frame.mado = mado;
    in.frame.deltatime = kDeltatime;
    in.source.layoutCode = 3;
    in.source.sampleRate = kSampleRate;
    in.channelOperation = kChannelMinusOne;
    in.playing = true;
    in.equalizer = &equalizer;
    const ChannelSettings channels{kChannelMinusOne, 0};

    const uint32_t capacity =
        kBufferBytes + (mado == kWindowRect ? 0 : static_cast<uint32_t>(pipeline.n / 2) * 4);
    std::vector<uint8_t> staging(capacity), mixed(capacity), ring(capacity);
    std::mt19937 rng(1);
    for (uint8_t& byte : staging) byte = static_cast<uint8_t>(rng());
    uint8_t* buffers[9] = {};
    buffers[0] = ring.data();
    buffers[4] = staging.data();
    buffers[5] = mixed.data();

    NullFrameDisplay display;
    for (auto _ : state) {
        const int source = ApplyChannelOperation(channels, in.source, buffers, 5, 4, kBufferBytes);
        const uint32_t length =
            ProcessFrames(pipeline, display, in, buffers[source], ring.data(), kBufferBytes, capacity);
        benchmark::DoNotOptimize(length);
        benchmark::ClobberMemory();
    }
    state.counters["x_realtime"] =
        benchmark::Counter(static_cast<double>(kBufferFrames) / kSampleRate,
                           benchmark::Counter::kIsIterationInvariantRate);
    state.SetLabel(mado == kWindowHann ? "Hann" : mado == kWindowTaper ? "taper" : "Rect");
}

BENCHMARK(BM_PlaybackChain)
    ->ArgNames({"fftparam", "mado"})
    ->ArgsProduct({{8, 12, 16}, {kWindowHann, kWindowTaper, kWindowRect}})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace lomvex
