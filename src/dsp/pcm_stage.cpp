// A streaming stage over PCM buffers: conversion in steps of a block, the
// lag dropped at the start and given back at the end.
#include "dsp/pcm_stage.h"

#include <algorithm>
#include <new>
#include <utility>

#include "dsp/pcm_frames.h"

namespace lomvex {
namespace {

constexpr int kBlockFrames = 4096;

double* SecondOrNull(PcmStage& s) {
    return LayoutChannels(s.layout) == 2 ? s.second.get() : nullptr;
}

// Writes `count` frames of first/second from `from` on to `out`, after
// dropping what is left of the lag; returns the frames written.
int WriteDroppingLag(PcmStage& s, uint8_t* out, int from, int count) {
    const int drop = static_cast<int>(std::min<long long>(s.toDrop, count));
    s.toDrop -= drop;
    WritePcmFrames(out, s.layout, count - drop, s.first.get() + from + drop,
                   s.second.get() + from + drop);
    return count - drop;
}

}  // namespace

bool StartPcmStage(PcmStage& state, std::unique_ptr<FrameStage> stage, int layout) {
    StopPcmStage(state);
    if (!stage) return true;
    PcmStage s;
    s.layout = layout;
    const int size = std::max(kBlockFrames, stage->Latency());
    s.first.reset(new (std::nothrow) double[size]());
    s.second.reset(new (std::nothrow) double[size]());
    if (!s.first || !s.second) return false;
    s.toDrop = stage->Latency();
    s.stage = std::move(stage);
    state = std::move(s);
    return true;
}

void StopPcmStage(PcmStage& state) {
    state = PcmStage{};
}

bool PcmStageOn(const PcmStage& state) {
    return state.stage != nullptr;
}

uint32_t PcmStageTailBytes(const PcmStage& state) {
    if (!state.stage) return 0;
    return static_cast<uint32_t>(state.stage->Latency()) * LayoutBytesPerFrame(state.layout);
}

uint32_t ProcessPcmStage(PcmStage& state, uint8_t* pcm, uint32_t byteCount, uint32_t capacity,
                         bool endOfData) {
    if (!state.stage) return byteCount;
    const int frameBytes = LayoutBytesPerFrame(state.layout);
    const uint32_t frames = byteCount / frameBytes;
    uint32_t written = 0;
    for (uint32_t pos = 0; pos < frames;) {
        const int count = static_cast<int>(std::min<uint32_t>(kBlockFrames, frames - pos));
        ReadPcmFrames(pcm + pos * frameBytes, state.layout, count, state.first.get(),
                      state.second.get());
        state.stage->Process(state.first.get(), SecondOrNull(state), count);
        written += WriteDroppingLag(state, pcm + written * frameBytes, 0, count);
        pos += count;
    }
    uint32_t out = written * frameBytes;
    if (endOfData && !state.flushed) {
        state.flushed = true;
        state.stage->Flush(state.first.get(), SecondOrNull(state));
        state.tailFrames = state.stage->Latency();
        state.tailGiven = static_cast<int>(std::min<long long>(state.toDrop, state.tailFrames));
        state.toDrop -= state.tailGiven;
        out += TakePcmStageTail(state, pcm + out, capacity > out ? capacity - out : 0);
    }
    return out;
}

uint32_t TakePcmStageTail(PcmStage& state, uint8_t* pcm, uint32_t capacity) {
    if (!state.stage) return 0;
    const int frameBytes = LayoutBytesPerFrame(state.layout);
    const int count = static_cast<int>(
        std::min<uint32_t>(state.tailFrames - state.tailGiven, capacity / frameBytes));
    if (count <= 0) return 0;
    const int written = WriteDroppingLag(state, pcm, state.tailGiven, count);
    state.tailGiven += count;
    return written * frameBytes;
}

bool PcmStageOwesTail(const PcmStage& state) {
    return state.stage && state.flushed && state.tailGiven < state.tailFrames;
}

}  // namespace lomvex
