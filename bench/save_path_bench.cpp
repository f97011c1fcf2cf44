// The native save path over a whole song: a 4-minute 44.1 kHz 16-bit stereo
// WAV file held in memory is opened and read one-time length by one-time
// length (one-time units 4096), each buffer goes through "L-R(minusOne)" and
// the frame pipeline with three graphic equalizer bars set, as the save loop
// runs them, and the mono output is written into a WAV file in memory.
// x_realtime = seconds of song saved per second of CPU time, as for the
// playback chain.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "audiofile/format_record.h"
#include "audiofile/riff_file.h"
#include "dsp/channel_operation.h"
#include "dsp/equalizer.h"
#include "dsp/frame_display.h"
#include "dsp/frame_pipeline.h"
#include "engine/buffer_sizes.h"
#include "engine/saved_format.h"

namespace lomvex {
namespace {

constexpr int kSampleRate = 44100;
constexpr int kSongSeconds = 240;
constexpr uint32_t kDeltatime = 4096;
constexpr int kStaging = 4;  // the engine's staging and channel buffers
constexpr int kMixed = 5;

void PutTag(std::vector<uint8_t>& out, const char (&id)[5]) {
    out.insert(out.end(), id, id + 4);
}

void PutU32(std::vector<uint8_t>& out, uint32_t v) {
    uint8_t bytes[4];
    PutU32Le(bytes, v);
    out.insert(out.end(), bytes, bytes + 4);
}

// Makes `wav` (keeping its memory) RIFF "WAVE" with a "fmt " chunk of
// `format` and an empty "data" chunk; returns where the data starts.
// FinishWav fills in the sizes once the data follows.
uint32_t StartWav(std::vector<uint8_t>& wav, const uint8_t* format, uint32_t formatSize) {
    wav.clear();
    PutTag(wav, "RIFF");
    PutU32(wav, 0);
    PutTag(wav, "WAVE");
    PutTag(wav, "fmt ");
    PutU32(wav, formatSize);
    wav.insert(wav.end(), format, format + formatSize);
    PutTag(wav, "data");
    PutU32(wav, 0);
    return static_cast<uint32_t>(wav.size());
}

void FinishWav(std::vector<uint8_t>& wav, uint32_t dataStart) {
    PutU32Le(&wav[4], static_cast<uint32_t>(wav.size() - 8));
    PutU32Le(&wav[dataStart - 4], static_cast<uint32_t>(wav.size() - dataStart));
}

// A song-like stereo sound: a voice in the centre (a few harmonics with
// vibrato), an instrument on each side, a little noise.
std::vector<uint8_t> MakeSong() {
    uint8_t format[16] = {};
    PutU16Le(format + kFmtTag, kTagPcm);
    PutU16Le(format + kFmtChannels, 2);
    PutU32Le(format + kFmtSamplesPerSec, kSampleRate);
    PutU32Le(format + kFmtAvgBytesPerSec, kSampleRate * 4);
    PutU16Le(format + kFmtBlockAlign, 4);
    PutU16Le(format + kFmtBitsPerSample, 16);
    std::vector<uint8_t> wav;
    const uint32_t dataStart = StartWav(wav, format, sizeof format);
    const int frames = kSongSeconds * kSampleRate;
    wav.resize(dataStart + static_cast<size_t>(frames) * 4);
    const double tau = 2 * 3.14159265358979323846 / kSampleRate;
    uint32_t noise = 1;
    for (int t = 0; t < frames; ++t) {
        const double time = static_cast<double>(t) / kSampleRate;
        const double pitch = 220.0 * (1 + 0.5 * (static_cast<int>(time * 2) % 5) / 4);
        const double phase = tau * t * pitch + 0.3 * std::sin(tau * t * 5.5);
        const double voice =
            6000 * (std::sin(phase) + 0.5 * std::sin(2 * phase) + 0.25 * std::sin(3 * phase));
        const double left = 4000 * std::sin(tau * t * 110.0) * (1 + std::sin(tau * t * 0.5));
        const double right = 3000 * std::sin(tau * t * 660.0 + std::sin(tau * t * 3.0));
        noise = noise * 1664525u + 1013904223u;
        const double hiss = static_cast<int>(noise >> 21) - 1024;
        uint8_t* p = &wav[dataStart + static_cast<size_t>(t) * 4];
        WriteSample16(p, static_cast<int16_t>(voice + left + hiss));
        WriteSample16(p + 2, static_cast<int16_t>(voice + right - hiss));
    }
    FinishWav(wav, dataStart);
    return wav;
}

const std::vector<uint8_t>& Song() {
    static const std::vector<uint8_t> song = MakeSong();
    return song;
}

void BM_SavePath(benchmark::State& state) {
    const int fftparam = static_cast<int>(state.range(0));
    int mado = kWindowHann;
    PipelineState pipeline;
    AllocFrameArrays(pipeline, fftparam, mado);

    EqualizerSettings equalizer;  // negated decibels: -4 lifts a band, 6 cuts one
    equalizer.bars[2] = -4;
    equalizer.bars[9] = 6;
    equalizer.bars[15] = -2;
    const ChannelSettings channels{kChannelMinusOne, 0};

    MemoryRiffFile file(Song());
    std::vector<uint8_t> saved;
    saved.reserve(Song().size());
    NullFrameDisplay display;
    uint64_t songFrames = 0;
    for (auto _ : state) {
        // Open: the format record, then the data chunk.
        uint32_t form = 0, size = 0;
        file.DescendRiff(form);
        file.DescendChunk(FourCc("fmt "), size);
        std::vector<uint8_t> record(size);
        file.Read(record.data(), size);
        file.Ascend();
        file.DescendChunk(FourCc("data"), size);
        const FormatFields fields = ReadFormatFields(record.data());

        PipelineInputs in;
        in.frame.mado = mado;
        in.frame.deltatime = kDeltatime;
        in.source.layoutCode = 3;
        in.source.sampleRate = fields.samplesPerSec;
        in.channelOperation = channels.operation;
        in.playing = false;
        in.equalizer = &equalizer;
        const uint32_t oneTime = ComputeOneTimeLength(fields, kDeltatime);
        const uint32_t capacity =
            WaveBufferSize(oneTime, mado != kWindowRect, pipeline.m, in.source.layoutCode);
        std::vector<uint8_t> staging(capacity), mixed(capacity), out(capacity);
        uint8_t* buffers[6] = {out.data(), nullptr, nullptr, nullptr, staging.data(), mixed.data()};

        const SavedFormatBytes savedFormat = SavedFormat(fields, true);
        const uint32_t dataStart =
            StartWav(saved, savedFormat.data(), static_cast<uint32_t>(savedFormat.size()));
        StartPipelineRun(pipeline);
        uint32_t remaining = size;
        while (remaining > 0) {
            const uint32_t n = std::min(oneTime, remaining);
            remaining -= n;
            const uint32_t read = static_cast<uint32_t>(file.Read(staging.data(), n));
            const uint32_t whole = read - read % fields.blockAlign;
            in.endOfData = remaining == 0 || read < n;
            const int source =
                ApplyChannelOperation(channels, in.source, buffers, kMixed, kStaging, whole);
            const uint32_t length =
                ProcessFrames(pipeline, display, in, buffers[source], out.data(), whole, capacity);
            saved.insert(saved.end(), out.data(), out.data() + length);
            if (in.endOfData) break;
        }
        FinishWav(saved, dataStart);
        songFrames = size / fields.blockAlign;
        if (saved.size() - dataStart != songFrames * 2) {
            state.SkipWithError("the saved file does not hold every frame of the song");
            break;
        }
        benchmark::DoNotOptimize(saved.data());
    }
    state.counters["x_realtime"] =
        benchmark::Counter(static_cast<double>(songFrames) / kSampleRate,
                           benchmark::Counter::kIsIterationInvariantRate);
    state.SetLabel("Hann N=" + std::to_string(pipeline.n));
}

BENCHMARK(BM_SavePath)
    ->ArgName("fftparam")
    ->Arg(8)
    ->Arg(16)
    ->MinTime(2.0)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace lomvex
