// The wave output functions the engine calls, in one table, so that a test
// can put a failing or recording function in the place of one of them.
#pragma once

#include <windows.h>
#include <mmsystem.h>

namespace lomvex {

struct WaveOutCalls {
    decltype(&waveOutOpen) open = waveOutOpen;
    decltype(&waveOutPrepareHeader) prepare = waveOutPrepareHeader;
    decltype(&waveOutWrite) write = waveOutWrite;
    decltype(&waveOutUnprepareHeader) unprepare = waveOutUnprepareHeader;
    decltype(&waveOutReset) reset = waveOutReset;
    decltype(&waveOutClose) close = waveOutClose;
};

extern WaveOutCalls waveOut;

}  // namespace lomvex
