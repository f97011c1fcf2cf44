// A streaming stage over PCM buffers: conversion in steps of a block, the
// lag dropped at the start, the output that did not fit kept for later.
#include "dsp/pcm_stage.h"

#include <algorithm>
#include <new>
#include <utility>

#include "dsp/pcm_frames.h"

namespace lomvex {
namespace {

constexpr int kBlockFrames = 4096;

bool Stereo(const PcmStage& s) {
    return LayoutChannels(s.layout) == 2;
}

// Appends `count` frames of outFirst/outSecond to the waiting output, after
// dropping what is left of the lag.
void Keep(PcmStage& s, int count) {
    const int drop = static_cast<int>(std::min<long long>(s.toDrop, count));
    s.toDrop -= drop;
    s.waiting[0].insert(s.waiting[0].end(), s.outFirst.get() + drop, s.outFirst.get() + count);
    if (Stereo(s))
        s.waiting[1].insert(s.waiting[1].end(), s.outSecond.get() + drop,
                            s.outSecond.get() + count);
}

// Writes as much waiting output as `capacity` bytes hold; returns the bytes.
uint32_t GiveWaiting(PcmStage& s, uint8_t* pcm, uint32_t capacity) {
    const int frameBytes = LayoutBytesPerFrame(s.layout);
    const size_t count = std::min<size_t>(s.waiting[0].size(), capacity / frameBytes);
    if (count == 0) return 0;
    WritePcmFrames(pcm, s.layout, static_cast<int>(count), s.waiting[0].data(),
                   Stereo(s) ? s.waiting[1].data() : s.waiting[0].data());
    for (int c = 0; c < (Stereo(s) ? 2 : 1); ++c)
        s.waiting[c].erase(s.waiting[c].begin(), s.waiting[c].begin() + count);
    return static_cast<uint32_t>(count * frameBytes);
}

}  // namespace

bool StartPcmStage(PcmStage& state, std::unique_ptr<FrameStage> stage, int layout) {
    StopPcmStage(state);
    if (!stage) return true;
    PcmStage s;
    s.layout = layout;
    const int out = std::max(stage->MostOutput(kBlockFrames), stage->MostFlush());
    s.first.reset(new (std::nothrow) double[kBlockFrames]());
    s.second.reset(new (std::nothrow) double[kBlockFrames]());
    s.outFirst.reset(new (std::nothrow) double[out]());
    s.outSecond.reset(new (std::nothrow) double[out]());
    if (!s.first || !s.second || !s.outFirst || !s.outSecond) return false;
    // Room for a few blocks of waiting output, so that it seldom grows.
    for (auto& w : s.waiting) w.reserve(4 * static_cast<size_t>(out));
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

void SetPcmStageTempo(PcmStage& state, double percent) {
    if (state.stage) state.stage->SetTempo(percent);
}

uint32_t ProcessPcmStage(PcmStage& state, uint8_t* pcm, uint32_t byteCount, uint32_t capacity,
                         bool endOfData) {
    if (!state.stage) return byteCount;
    const int frameBytes = LayoutBytesPerFrame(state.layout);
    const uint32_t frames = byteCount / frameBytes;
    double* second = Stereo(state) ? state.second.get() : nullptr;
    double* outSecond = Stereo(state) ? state.outSecond.get() : nullptr;
    for (uint32_t pos = 0; pos < frames;) {
        const int count = static_cast<int>(std::min<uint32_t>(kBlockFrames, frames - pos));
        ReadPcmFrames(pcm + pos * frameBytes, state.layout, count, state.first.get(),
                      state.second.get());
        Keep(state, state.stage->Process(state.first.get(), second, count, state.outFirst.get(),
                                         outSecond));
        pos += count;
    }
    if (endOfData && !state.flushed) {
        state.flushed = true;
        Keep(state, state.stage->Flush(state.outFirst.get(), outSecond));
    }
    return GiveWaiting(state, pcm, capacity);
}

uint32_t TakePcmStageTail(PcmStage& state, uint8_t* pcm, uint32_t capacity) {
    if (!state.stage || !state.flushed) return 0;
    return GiveWaiting(state, pcm, capacity);
}

bool PcmStageOwesTail(const PcmStage& state) {
    return state.stage && state.flushed && !state.waiting[0].empty();
}

}  // namespace lomvex
