// Playback: the open file streams through the output device in a ring of
// four wave buffers, each processed before it is queued. The device's
// buffer-done messages reach OnPlayBufferDone through the main window.
#pragma once

#include <windows.h>
#include <mmsystem.h>

#include <cstdint>

namespace lomvex {

// The Play command in play mode, and the auto-play at start-up.
void StartPlayback();
// A buffer came back from the device.
void OnPlayBufferDone(WAVEHDR* header);
// A jump while playing: the queued sound is dropped, the stages start anew
// (nothing from before the jump is heard after it) and the ring fills from
// source data offset `offset`, where the decoder was moved to. False after
// a failure's message; the run has ended then.
bool RestartPlaybackAt(uint32_t offset);
// The Stop command in play mode.
void StopPlayback();
// Pause (true) or continue (false) the running device, with the process
// priority normal while paused.
void PausePlayback(bool pause);
// Ends a run while the program closes: playing, monitoring or saving.
void ShutdownRun();
// Closes the open input file and the output device, or the monitor's two
// devices, if open.
void CloseOpenFile();

}  // namespace lomvex
