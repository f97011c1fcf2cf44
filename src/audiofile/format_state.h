// The format state: what the engine, the processing and the displays know
// of the sound being played or monitored. Written only when a file or the
// monitor is opened; kept after the file is closed.
#pragma once

#include <cstdint>

namespace lomvex {

struct FormatState {
    // 0 mono 8-bit, 1 mono 16-bit, 2 stereo 8-bit, 3 stereo 16-bit:
    // bit 0 means 16-bit samples, bit 1 two channels.
    int layout = 0;
    uint16_t tag = 0;
    uint16_t blockAlign = 0;
    uint32_t avgBytesPerSec = 0;
    double sampleRate = 0;
    unsigned rateKhz = 0;     // (rate + 500) div 1000
    unsigned bitsShown = 0;   // 0 for the Ogg Vorbis tags
};

extern FormatState formatState;

// The state a format record describes (a record of at least 16 bytes).
FormatState DescribeFormat(const uint8_t* record);

// The compressed tags whose elapsed and length texts count kilobytes.
bool IsCompressedTag(uint16_t tag);

}  // namespace lomvex
