// Frame arrays, the shared pieces of both paths, and the block path.
#include "dsp/frame_pipeline.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "dsp/dsp_texts.h"
#include "dsp/fft.h"
#include "dsp/pipeline_common.h"
#include "base/messages.h"

namespace lomvex {

namespace {

constexpr int kMinExponent = 2;   // the smallest frame with a taper quarter
constexpr int kMaxExponent = 16;  // the longest ramp the table holds is N/2

}  // namespace

void FailNoMemory() {
    ShowFatal(DspTextsFor(JapaneseMessages()).noMemory);
}

void PassThroughUnprocessed(FrameDisplay& display, const PipelineInputs& in, const uint8_t* source,
                            uint8_t* out, uint32_t byteCount) {
    display.DrawGraphText(in.frame.unitX, 17 * in.frame.unitY + 20,
                          DspTextsFor(JapaneseMessages()).notPcm);
    if (out != source) std::memmove(out, source, byteCount);
}

DisplayScratch TakeDisplayScratch(PipelineState& state, const PipelineInputs& in, size_t minimum) {
    size_t size = std::max<size_t>(8 * static_cast<size_t>(in.frame.deltatime), 512);
    size = std::max({size, static_cast<size_t>(state.n), minimum});
    if (state.displayScratchSize < size) {
        // The old bytes go first, so that old and new never need memory together.
        state.displayScratch.reset();
        state.displayScratchSize = 0;
        state.displayScratch.reset(new (std::nothrow) uint8_t[size]());
        if (!state.displayScratch) FailNoMemory();
        state.displayScratchSize = size;
    }
    return DisplayScratch{state.displayScratch.get(), size};
}

void ZeroDoubles(double* first, int count) {
    if (count > 0) std::fill(first, first + count, 0.0);
}

void AllocFrameArrays(PipelineState& state, int fftparam, int& mado) {
    for (FramePair& pair : state.pair) pair = FramePair{};
    state.fft = FftTables{};
    state.m = std::min(std::max(fftparam, kMinExponent), kMaxExponent);
    state.n = Pow2(state.m);

    if (!MakeFramePair(state.pair[0], state.n) || !MakeFftTables(state.fft, state.m)) {
        FailNoMemory();
    }
    if (!MakeFramePair(state.pair[1], state.n)) {
        ShowDiagnostic(DspTextsFor(JapaneseMessages()).noMemory);
        mado = kWindowRect;
    }
}

void StartPipelineRun(PipelineState& state) {
    state.processedBuffers = 0;
}

int OutputLayoutCode(const PipelineInputs& in) {
    const bool mix =
        in.channelOperation == kChannelMonaural || in.channelOperation == kChannelMinusOne;
    if (!in.playing && mix) return in.source.layoutCode & ~kLayoutStereo;
    return in.source.layoutCode;
}

uint32_t ProcessBlockFrames(PipelineState& state, FrameDisplay& display, const PipelineInputs& in,
                            const uint8_t* source, uint8_t* out, uint32_t byteCount) {
    if (byteCount == 0) return 0;
    const int inLayout = in.source.layoutCode;
    const int outLayout = OutputLayoutCode(in);
    const uint32_t outBytes =
        LayoutChannels(inLayout) > LayoutChannels(outLayout) ? byteCount / 2 : byteCount;
    if (state.n == 0) {
        std::memmove(out, source, byteCount);
        return byteCount;
    }
    if (!IsProcessable(in.source)) {
        PassThroughUnprocessed(display, in, source, out, byteCount);
        return byteCount;
    }

    const int n = state.n;
    const DisplayScratch scratch =
        TakeDisplayScratch(state, in, in.source.decoderStream ? byteCount / 2 : 0);

    const uint64_t inFrameBytes = LayoutBytesPerFrame(inLayout);
    const uint64_t outFrameBytes = LayoutBytesPerFrame(outLayout);
    const uint64_t frames = byteCount / inFrameBytes;
    const bool stereo = LayoutChannels(inLayout) == 2;
    const bool waveform = in.frame.viewItem == kViewWaveform;
    double* re = state.pair[0].re;
    double* im = state.pair[0].im;

    for (uint64_t pos = 0; pos * inFrameBytes < byteCount; pos += n) {
        const int count = static_cast<int>(std::min<uint64_t>(n, frames - std::min(pos, frames)));
        ReadPcmFrames(source + pos * inFrameBytes, inLayout, count, re, im);
        ZeroDoubles(re + count, n - count);
        ZeroDoubles(stereo ? im + count : im, stereo ? n - count : n);

        if (waveform && (pos + n) * inFrameBytes >= byteCount) {
            display.DrawFrameWave(n, scratch.bytes, re, "wav");
        }
        Fft(state.fft, re, im, kFftForward);
        if (in.equalizer) {
            ApplyEqualizer(*in.equalizer, in.source.sampleRate, in.channelOperation, re, im, n);
        }
        if (pos == 0 && !waveform) display.DrawSpectrum(n, scratch.bytes, re, im);
        Fft(state.fft, re, im, kFftInverse);

        // Only the frames that came from the input are written; the padding
        // of a short last block is dropped.
        WritePcmFrames(out + pos * outFrameBytes, outLayout, count, re, im);
    }

    if (state.processedBuffers != UINT32_MAX) ++state.processedBuffers;
    return outBytes;
}

uint32_t ProcessFrames(PipelineState& state, FrameDisplay& display, const PipelineInputs& in,
                       const uint8_t* source, uint8_t* out, uint32_t byteCount, uint32_t capacity) {
    if (in.frame.mado == kWindowRect) {
        return ProcessBlockFrames(state, display, in, source, out, byteCount);
    }
    return ProcessOverlapFrames(state, display, in, source, out, byteCount, capacity);
}

}  // namespace lomvex
