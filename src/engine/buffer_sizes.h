// How much sound one wave buffer carries, and how large the buffers are.
#pragma once

#include <cstdint>

#include "audiofile/format_record.h"

namespace lomvex {

// Source bytes read per buffer for `units` one-time units (1/11025 s each)
// of a sound with the given format: a whole number of blocks, at least one.
// Computed from the file's own record, so for compressed sound it counts
// compressed bytes.
uint32_t ComputeOneTimeLength(const FormatFields& format, uint32_t units);

// Source bytes to read for one buffer at `tempo` percent: below 100 the
// processing makes 100 / tempo times as much sound as it reads, so less is
// read (whole blocks of `blockAlign` bytes, at least one) and a buffer
// still holds about one one-time length of sound.
uint32_t TempoReadLength(uint32_t oneTimeLength, uint32_t blockAlign, double tempo);

// The size of each wave buffer: `contentSize` (the one-time length, or the
// decoder's output for one) plus, for the overlap path, room for half a
// transform frame of the given layout.
uint32_t WaveBufferSize(uint32_t contentSize, bool overlapPath, int fftparam, int layoutCode);

// Ring buffer `index` carries the end of the sound when nothing remains to
// be read, the stages owe no more sound (`owesSound`), and the buffer after
// it got no sound (the last of the four has none after it).
bool IsLastQueuedBuffer(int index, const uint32_t outputLength[4], uint32_t remaining,
                        bool owesSound);

// A buffer the pipeline left empty (its sound waits for the next buffer)
// still goes to the device, so the ring never stalls: four bytes of the
// silence of `layoutCode` are written to `buffer`; returns 4.
uint32_t FillEmptyOutput(uint8_t* buffer, int layoutCode);

}  // namespace lomvex
