// The audio engine's process-wide state: the output device, the wave
// buffers, the position in the buffer cycle and what the current run has
// acquired, so that its teardown releases exactly that.
#pragma once

#include <windows.h>
#include <mmsystem.h>

#include <cstdint>

#include "base/run_state.h"

namespace lomvex {

constexpr int kRingBuffers = 4;    // buffers 0-3: what the device plays
constexpr int kStagingBuffer = 4;  // PCM read from the file, or decoded
constexpr int kChannelBuffer = 5;  // the channel operation's output
constexpr int kPlayBufferCount = 6;
// Monitoring: buffers 0-3 receive input, 4-7 carry the processed output
// (headers 4-7), 8 takes the channel operation's output.
constexpr int kMonitorOutputBase = 4;
constexpr int kMonitorChannelBuffer = 8;
constexpr int kMonitorBufferCount = 9;
constexpr int kMaxBufferCount = 9;
constexpr DWORD kLastBufferMark = 0x10000000;

// The controls a run has switched; its teardown switches back only these.
struct SwitchedControls {
    bool idleOff = false;
    bool engineOn = false;
    bool saveOn = false;
};

struct EngineState {
    HWAVEOUT output = nullptr;
    HWAVEIN input = nullptr;  // monitoring only
    // Returned buffers are ignored while set: from the start of a run until
    // its buffers are queued, and from a stop or failure on.
    bool stopRequested = false;
    SwitchedControls controls;
    bool priorityRaised = false;

    uint32_t readLength[kRingBuffers] = {};
    uint32_t outputLength[kRingBuffers] = {};
    int ringPosition = 0;
    bool endOfData = false;

    HGLOBAL bufferBlock[kMaxBufferCount] = {};
    uint8_t* buffer[kMaxBufferCount] = {};
    int bufferCount = 0;
    uint32_t bufferSize = 0;
};

extern EngineState engine;

// Allocates `count` locked buffers of `size` bytes filled with silence for
// `bits`; on failure shows its message, frees what it made and returns
// false (the caller ends the run).
bool AllocWaveBuffers(int count, uint32_t size, unsigned bits);
void FreeWaveBuffers();

// Real-time priority class while a device runs, normal otherwise.
void SetPlayPriority(bool on);

}  // namespace lomvex
