// The pitch shifter over PCM buffers: conversion in steps of a block, the
// lag dropped at the start and given back at the end.
#include "dsp/pcm_pitch_shift.h"

#include <algorithm>
#include <new>
#include <utility>

#include "dsp/pcm_frames.h"

namespace lomvex {
namespace {

constexpr int kBlockFrames = 4096;

double* SecondOrNull(PcmPitchShift& s, double* second) {
    return LayoutChannels(s.layout) == 2 ? second : nullptr;
}

// Writes `count` frames of first/second from `from` on to `out`, after
// dropping what is left of the lag; returns the frames written.
int WriteDroppingLag(PcmPitchShift& s, uint8_t* out, int from, int count) {
    const int drop = static_cast<int>(std::min<long long>(s.toDrop, count));
    s.toDrop -= drop;
    WritePcmFrames(out, s.layout, count - drop, s.first.get() + from + drop,
                   s.second.get() + from + drop);
    return count - drop;
}

}  // namespace

bool StartPcmPitchShift(PcmPitchShift& state, double semitones, int layout, double sampleRate) {
    StopPcmPitchShift(state);
    if (semitones == 0.0) return true;
    PcmPitchShift s;
    s.layout = layout;
    if (!StartPitchShift(s.shifter, sampleRate, LayoutChannels(layout))) return false;
    SetPitchShift(s.shifter, semitones);
    const int latency = PitchShiftLatency(s.shifter);
    s.block = kBlockFrames;
    const int size = std::max(s.block, latency);
    s.first.reset(new (std::nothrow) double[size]());
    s.second.reset(new (std::nothrow) double[size]());
    if (!s.first || !s.second) return false;
    s.toDrop = latency;
    s.on = true;
    state = std::move(s);
    return true;
}

void StopPcmPitchShift(PcmPitchShift& state) {
    state = PcmPitchShift{};
}

uint32_t ShiftPcmPitch(PcmPitchShift& state, uint8_t* pcm, uint32_t byteCount, uint32_t capacity,
                       bool endOfData) {
    if (!state.on) return byteCount;
    const int frameBytes = LayoutBytesPerFrame(state.layout);
    const uint32_t frames = byteCount / frameBytes;
    uint32_t written = 0;
    for (uint32_t pos = 0; pos < frames;) {
        const int count = static_cast<int>(std::min<uint32_t>(state.block, frames - pos));
        ReadPcmFrames(pcm + pos * frameBytes, state.layout, count, state.first.get(),
                      state.second.get());
        ShiftPitch(state.shifter, state.first.get(), SecondOrNull(state, state.second.get()),
                   count);
        written += WriteDroppingLag(state, pcm + written * frameBytes, 0, count);
        pos += count;
    }
    uint32_t out = written * frameBytes;
    if (endOfData && state.tailFrames == 0) {
        FlushPitchShift(state.shifter, state.first.get(), SecondOrNull(state, state.second.get()));
        state.tailFrames = PitchShiftLatency(state.shifter);
        state.tailGiven = static_cast<int>(std::min<long long>(state.toDrop, state.tailFrames));
        state.toDrop -= state.tailGiven;
        out += TakePcmShiftTail(state, pcm + out, capacity > out ? capacity - out : 0);
    }
    return out;
}

uint32_t TakePcmShiftTail(PcmPitchShift& state, uint8_t* pcm, uint32_t capacity) {
    if (!state.on) return 0;
    const int frameBytes = LayoutBytesPerFrame(state.layout);
    const int count = static_cast<int>(
        std::min<uint32_t>(state.tailFrames - state.tailGiven, capacity / frameBytes));
    if (count <= 0) return 0;
    const int written = WriteDroppingLag(state, pcm, state.tailGiven, count);
    state.tailGiven += count;
    return written * frameBytes;
}

}  // namespace lomvex
