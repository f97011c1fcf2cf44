// The wave input functions the engine calls, in one table, so that a test
// can put a failing or recording function in the place of one of them.
#pragma once

#include <windows.h>
#include <mmsystem.h>

namespace lomvex {

struct WaveInCalls {
    decltype(&waveInOpen) open = waveInOpen;
    decltype(&waveInPrepareHeader) prepare = waveInPrepareHeader;
    decltype(&waveInAddBuffer) add = waveInAddBuffer;
    decltype(&waveInUnprepareHeader) unprepare = waveInUnprepareHeader;
    decltype(&waveInStart) start = waveInStart;
    decltype(&waveInReset) reset = waveInReset;
    decltype(&waveInClose) close = waveInClose;
};

extern WaveInCalls waveIn;

}  // namespace lomvex
