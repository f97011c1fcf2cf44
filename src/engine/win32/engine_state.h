// The audio engine's process-wide state: the mode, the output device, the
// wave buffers and the position in the buffer cycle.
#pragma once

#include <windows.h>
#include <mmsystem.h>

#include <cstdint>

namespace lomvex {

constexpr int kEngineNone = 0;
constexpr int kEnginePlay = 1;
constexpr int kEngineMonitor = 2;

constexpr int kRingBuffers = 4;    // buffers 0-3: what the device plays
constexpr int kStagingBuffer = 4;  // PCM read from the file, or decoded
constexpr int kChannelBuffer = 5;  // the channel operation's output
constexpr int kPlayBufferCount = 6;
constexpr int kMaxBufferCount = 9;
constexpr DWORD kLastBufferMark = 0x10000000;

struct EngineState {
    int mode = kEngineNone;
    HWAVEOUT output = nullptr;
    bool playing = false;
    bool stopRequested = false;  // returned buffers are ignored while set
    bool paused = false;
    bool autoPlayClose = false;  // close the program when playback ends
    bool hasOutputDevice = false;
    bool hasInputDevice = false;
    bool processable = true;  // the open file is PCM or being decoded

    uint32_t oneTimeLength = 0;
    uint32_t readLength[kRingBuffers] = {};
    uint32_t outputLength[kRingBuffers] = {};
    int ringPosition = 0;
    double bytesPlayed = 0;
    bool endOfData = false;

    HGLOBAL bufferBlock[kMaxBufferCount] = {};
    uint8_t* buffer[kMaxBufferCount] = {};
    int bufferCount = 0;
    uint32_t bufferSize = 0;
};

extern EngineState engine;

// Allocates `count` locked buffers of `size` bytes filled with silence for
// `bits`; on failure shows its message, frees what it made, closes the open
// file and returns false.
bool AllocWaveBuffers(int count, uint32_t size, unsigned bits);
void FreeWaveBuffers();

// Real-time priority class while a device runs, normal otherwise.
void SetPlayPriority(bool on);

}  // namespace lomvex
