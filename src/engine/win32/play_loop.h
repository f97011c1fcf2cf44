// The A-B loop of a play run: reads stop at the loop's End, the source
// moves back to its Start, and the seam is cross-faded; the stages run on
// across the seam, so that it has no gap.
#pragma once

#include <cstdint>

#include "engine/play_position.h"

namespace lomvex {

// The loop's ends (tenths) and whether it is on; the shell sets them.
LoopRange& PlayLoop();
// No loop: another file was opened, or Clear Loop.
void ClearPlayLoop();
// At the start of a run and after a jump: no seam is pending.
void ResetLoopSeam();

// The loop plays and a read that ends at data offset `readEnd` reaches
// its End (or lies past it, where the loop was set or turned on behind
// the playing position): playing goes on from Start after that read.
bool LoopWrapsAfter(uint32_t readEnd);

// The next read of at most `n` bytes from data offset `position`, cut to
// end at the loop's End while the loop plays and `position` lies before it.
uint32_t LoopReadLength(uint32_t position, uint32_t n);

// After ring buffer `i` was read (its data ending at offset `readEnd`) and
// decoded into `bytes` of PCM at `pcm`: cross-fades the seam into a buffer
// that starts at Start and, when the loop wraps after the read, takes the
// sound that follows it for the next seam and moves the source to Start
// (`remaining` is set from there).
void CloseLoopSeam(int i, uint8_t* pcm, uint32_t bytes, uint32_t readEnd, uint32_t& remaining);

// The run's source position once ring buffer `i` has played, from the one
// before it, `played`, and the buffer's read length.
double PositionAfterBuffer(int i, double played, uint32_t readLength);

}  // namespace lomvex
