// Where in the song a run plays: the playing position in tenths of a
// second against source bytes, the jumps of the shortcut keys, and the
// A-B loop's two ends. Nothing here knows Win32.
#pragma once

#include <cstdint>

namespace lomvex {

constexpr int kJumpTenths = 50;  // Ctrl+Left and Ctrl+Right: 5 seconds

// The tenths of a second that `bytes` of source at `avgBytesPerSec` last
// (rounded down); 0 for a rate of 0.
int TenthsOfBytes(double bytes, uint32_t avgBytesPerSec);

// The source offset of `tenths` in data of `dataSize` bytes: a multiple of
// `blockAlign`, clamped to the start of the last whole block (0 when the
// data holds none).
uint32_t BlockOffsetOfTenths(int tenths, uint32_t avgBytesPerSec, uint32_t blockAlign,
                             uint32_t dataSize);

// `now` moved by `delta` tenths, kept inside 0..length.
int MovedPosition(int now, int delta, int length);

// The loop's ends in tenths; a loop plays only when `on` and End lies after
// Start.
struct LoopRange {
    int start = -1;  // -1: not set
    int end = -1;
    bool on = false;

    bool Plays() const { return on && start >= 0 && end > start; }
};

// Start and End take the playing position `tenths`; an end that would no
// longer lie after the start is dropped, so the loop never runs backwards.
void SetLoopStart(LoopRange& loop, int tenths);
void SetLoopEnd(LoopRange& loop, int tenths);

// Where playing goes on from `tenths`: the loop's Start when the loop plays
// and `tenths` lies at or past its End (a jump there, the loop turned on or
// its End set behind the playing position), else `tenths`.
int PositionInLoop(const LoopRange& loop, int tenths);

}  // namespace lomvex
