// The eight wave headers: movable, shareable global blocks allocated and
// locked when the main window is created and kept for its whole life.
// Headers 0-3 serve the play ring and the record ring, 4-7 the monitor's
// output ring.
#pragma once

#include <windows.h>
#include <mmsystem.h>

namespace lomvex {

constexpr int kWaveHeaderCount = 8;

extern WAVEHDR* waveHeader[kWaveHeaderCount];

// Allocates and locks the headers in order; on a failure shows its warning
// and leaves the later headers unallocated. Returns true when all eight
// exist.
bool AllocWaveHeaders();
void FreeWaveHeaders();
bool WaveHeadersReady();

}  // namespace lomvex
