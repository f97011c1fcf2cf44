// What the other subsystems read of the engine's run: what is open, whether
// a device runs, and how far the run has come. The engine writes it; the
// displays and the enabling rules read it.
#pragma once

#include <cstdint>

namespace lomvex {

// Engine modes: what Play starts.
constexpr int kEngineNone = 0;
constexpr int kEnginePlay = 1;     // a file is open for playing (and saving)
constexpr int kEngineMonitor = 2;  // the record port is open for monitoring

struct RunState {
    int mode = kEngineNone;
    bool playing = false;  // a play or monitor run has its device open
    bool paused = false;
    bool autoPlayClose = false;  // close the program when playback ends
    bool hasOutputDevice = false;
    bool hasInputDevice = false;
    uint32_t inputFormats = 0;   // the input device's WAVE_FORMAT_* mask (0 without one)
    bool processable = true;     // the open file is PCM or being decoded
    uint32_t oneTimeLength = 0;  // source bytes per buffer of the run
    uint32_t blockAlign = 1;     // bytes of one block of the source
    double bytesPlayed = 0;      // source bytes of the buffers returned so far
};

extern RunState run;

}  // namespace lomvex
