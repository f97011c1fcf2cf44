// Fuzzes the frame pipeline the way the engine drives it: one transform
// length and window for the whole input, then play and save runs of buffers
// with any layout, channel operation, equalizer, buffer size and end-of-data
// flag. The sound of every buffer and its output are heap blocks of exactly
// the buffer's bytes and of the size the engine gives the output (or less),
// so AddressSanitizer reports any read or write past them or past the
// display scratch.
//
// Input, read front to back; bytes past the end read as 0:
//   fftparam byte   2 + value % 15; 0xF0 and above leave the frame arrays
//                   unallocated (the sound passes unchanged)
//   window byte     mado = value % 3
//   run count       1 + value % 4; each run:
//     format byte   bits 0-1 layout code, 2-3 view (197 + value % 3), 4 playing,
//                   5 not PCM, 6 decoder stream, 7 content size times 4
//     effect byte   bits 0-1 channel operation (511 + value), 2-3 equalizer
//                   (none, graphic, parametric, Easy Setting), 4-6 deltatime
//                   256 << value
//     balance       signed byte
//     content size  u16 (+1): the one-time length the buffers were sized for
//     sample rate   u16, 0 meaning 44100
//     equalizer     20 bar bytes, 3 x (u16 lower, u16 upper, signed gain), or
//                   2 Easy Setting bytes, as the effect byte chose
//     buffer count  1 + value % 16
//     per buffer    a flag byte: bit 0 a whole content size (else a u16 size
//                   follows, taken modulo content size + 1), bit 1 end of data
//                   (ends the run), bit 2 a smaller output buffer (a byte
//                   follows: how much smaller)
// The sound of each buffer is the input's bytes read round and round.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "dsp/channel_operation.h"
#include "dsp/equalizer.h"
#include "dsp/frame_display.h"
#include "dsp/frame_pipeline.h"
#include "dsp/pcm_frames.h"
#include "silent_sink.h"

#include "fuzz/fuzz_input.h"

namespace {

using lomvex::PipelineInputs;

// Sample frames that one input may push through the transforms; every buffer
// also counts half a frame, so long transforms get few buffers and no input
// takes more than a few tenths of a second.
constexpr uint64_t kWorkBudget = uint64_t{1} << 17;

// The input's bytes round and round, as the sound of the buffers.
class SoundSource {
   public:
    SoundSource(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    void Fill(uint8_t* out, uint32_t count) {
        for (uint32_t i = 0; i < count; ++i) {
            out[i] = size_ ? data_[position_] : 0;
            if (size_ && ++position_ == size_) position_ = 0;
        }
    }

   private:
    const uint8_t* data_;
    size_t size_;
    size_t position_ = 0;
};

// Touches every byte the pipeline promises the display, so a scratch or a
// frame array shorter than promised is an out-of-bounds access.
class CheckingDisplay : public lomvex::FrameDisplay {
   public:
    void DrawFrameWave(int n, uint8_t* rows, const double* samples, const char* label) override {
        for (int i = 0; i < n; ++i) rows[i] = Row(samples[i]);
        sum_ += std::strlen(label);
    }
    void DrawSpectrum(int n, uint8_t* rows, const double* re, const double* im) override {
        for (int i = 0; i < n / 2; ++i) rows[i] = Row(re[i] + im[i]);
        for (int i = n / 2; i < n; ++i) sum_ += re[i] + im[i];
    }
    void DrawOutputWave(uint8_t* rows, int count) override {
        if (count < 0) {
            std::fprintf(stderr, "process_frames_fuzz: output waveform of %d rows\n", count);
            std::abort();
        }
        for (int i = 0; i < count; ++i) sum_ += rows[i];
    }
    void DrawGraphText(int, int, const char* text) override { sum_ += std::strlen(text); }

   private:
    static uint8_t Row(double v) { return v > 0 ? 1 : 0; }
    volatile double sum_ = 0;
};

// One play or save run's settings, from its header bytes.
struct RunSettings {
    PipelineInputs in;
    lomvex::ChannelSettings channel;
    lomvex::EqualizerSettings equalizer;
    bool useEqualizer = false;
    uint32_t contentSize = 1;
};

void ReadEqualizer(InputReader& reader, int mode, lomvex::EqualizerSettings& eq) {
    if (mode == 1) {
        eq.fftmode = lomvex::kFftModeGraphic;
        for (int& bar : eq.bars) bar = reader.Byte() % 85 - 12;
    } else if (mode == 2) {
        eq.fftmode = lomvex::kFftModeParametric;
        for (int band = 0; band < 3; ++band) {
            eq.parametric[3 * band] = reader.U16();
            eq.parametric[3 * band + 1] = reader.U16();
            eq.parametric[3 * band + 2] = static_cast<int8_t>(reader.Byte());
        }
    } else {
        eq.fftmode = lomvex::kFftModeEasy;
        const uint8_t voices = reader.Byte();
        for (int v = 0; v < lomvex::kVoiceRanges; ++v) eq.easy.voice[v] = voices & (1 << v);
        const uint8_t boosts = reader.Byte();
        eq.easy.octaveCut = boosts & 1;
        eq.easy.highBoost = boosts & 2;
        eq.easy.lowBoost = boosts & 4;
        eq.easy.subsonic = boosts & 8;
    }
}

RunSettings ReadRunSettings(InputReader& reader, int mado) {
    RunSettings run;
    const uint8_t format = reader.Byte();
    const uint8_t effect = reader.Byte();
    run.in.frame.mado = mado;
    run.in.frame.viewItem = lomvex::kViewWaveform + ((format >> 2) & 3) % 3;
    run.in.frame.deltatime = 256u << ((effect >> 4) & 7);
    run.in.frame.unitX = 6;
    run.in.frame.unitY = 11;
    run.in.source.layoutCode = format & 3;
    run.in.source.formatTag = (format & 0x20) ? 85 : lomvex::kTagPcm;
    run.in.source.decoderStream = format & 0x40;
    run.in.playing = format & 0x10;
    run.in.channelOperation = lomvex::kChannelNothing + (effect & 3);
    run.channel.operation = run.in.channelOperation;
    run.channel.balance = static_cast<int8_t>(reader.Byte());
    run.contentSize = (reader.U16() + 1u) * ((format & 0x80) ? 4u : 1u);
    const uint16_t rate = reader.U16();
    run.in.source.sampleRate = rate ? rate : 44100.0;
    const int eqMode = (effect >> 2) & 3;
    if (eqMode != 0) {
        ReadEqualizer(reader, eqMode, run.equalizer);
        run.useEqualizer = true;
    }
    return run;
}

// What the engine gives: the content size, plus half a frame of the source's
// layout for the overlap path.
uint32_t EngineCapacity(const RunSettings& run, int n) {
    if (run.in.frame.mado == lomvex::kWindowRect) return run.contentSize;
    const uint32_t halfFrame =
        static_cast<uint32_t>(n / 2) * lomvex::LayoutBytesPerFrame(run.in.source.layoutCode);
    return run.contentSize + halfFrame;
}

// A smaller output buffer. The block path writes every input byte (its
// callers size the output by the content), so it never gets less than that.
uint32_t SmallerCapacity(uint32_t engineCapacity, uint32_t byteCount, int mado, uint8_t cut) {
    const uint32_t floor = mado == lomvex::kWindowRect ? byteCount : 0;
    const uint64_t span = engineCapacity - floor;
    return floor + static_cast<uint32_t>(span * cut / 256);
}

// Runs one buffer through the channel operation and the pipeline, as the
// engine's processing step does; returns the work it cost.
uint64_t ProcessOneBuffer(lomvex::PipelineState& state, const RunSettings& run, SoundSource& sound,
                          uint32_t byteCount, uint32_t capacity, bool endOfData) {
    std::unique_ptr<uint8_t[]> staging(new uint8_t[byteCount]);
    std::unique_ptr<uint8_t[]> mixed(new uint8_t[byteCount]());
    std::unique_ptr<uint8_t[]> out(new uint8_t[capacity]);
    sound.Fill(staging.get(), byteCount);

    PipelineInputs in = run.in;
    in.endOfData = endOfData;
    in.equalizer = run.useEqualizer ? &run.equalizer : nullptr;
    uint8_t* buffers[2] = {mixed.get(), staging.get()};
    const int source =
        lomvex::ApplyChannelOperation(run.channel, in.source, buffers, 0, 1, byteCount);

    CheckingDisplay display;
    const uint32_t written =
        lomvex::ProcessFrames(state, display, in, buffers[source], out.get(), byteCount, capacity);
    if (written > capacity) {
        std::fprintf(stderr, "process_frames_fuzz: %u bytes written into a buffer of %u\n", written,
                     capacity);
        std::abort();
    }
    return byteCount / lomvex::LayoutBytesPerFrame(in.source.layoutCode) +
           static_cast<uint64_t>(state.n / 2 + 1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    lomvex::fuzzing::SilenceMessages();
    InputReader reader(data, size);
    SoundSource sound(data, size);

    lomvex::PipelineState state;
    const uint8_t transform = reader.Byte();
    int mado = reader.Byte() % 3;
    if (transform < 0xF0) lomvex::AllocFrameArrays(state, 2 + transform % 15, mado);

    const int runs = 1 + reader.Byte() % 4;
    uint64_t work = 0;
    for (int r = 0; r < runs && work < kWorkBudget; ++r) {
        const RunSettings run = ReadRunSettings(reader, mado);
        lomvex::StartPipelineRun(state);
        const int buffers = 1 + reader.Byte() % 16;
        for (int b = 0; b < buffers && work < kWorkBudget; ++b) {
            const uint8_t flags = reader.Byte();
            const uint32_t byteCount =
                (flags & 1) ? run.contentSize : reader.U16() % (run.contentSize + 1);
            const bool endOfData = flags & 2;
            const uint32_t engineCapacity = EngineCapacity(run, state.n);
            const uint32_t capacity =
                (flags & 4) ? SmallerCapacity(engineCapacity, byteCount, mado, reader.Byte())
                            : engineCapacity;
            work += ProcessOneBuffer(state, run, sound, byteCount, capacity, endOfData);
            if (endOfData) break;
        }
    }
    return 0;
}
