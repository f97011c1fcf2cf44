// Monitoring: the wave input passes live through the processing chain to
// the output device; nothing is written to disk. Both devices call back to
// the main window: the input's returned buffers drive the run (meter,
// process, play, requeue), the output's are only unprepared.
#pragma once

#include <windows.h>
#include <mmsystem.h>

namespace lomvex {

// Builds the record format from the settings, shows it in the status panel
// and asks the input device whether it records it. False after the
// answer's message.
bool OpenRecordFile();
// The Play command in monitor mode: both devices open, four input buffers
// queued, the input started.
void StartMonitor();
// An input buffer came back, recorded or handed back by a reset.
void OnRecordBufferDone(WAVEHDR* header);
// An output buffer came back from the device.
void OnMonitorOutputDone(WAVEHDR* header);
// The Stop command in monitor mode: the input is reset, and the first of
// its buffers to come back ends the run.
void StopMonitor();
// Whether a Stop was given and the run has not ended yet.
bool MonitorStopping();
// Pause (true) resets the input, whose buffers come back and wait queued;
// continue (false) starts it again.
void PauseMonitor(bool pause);

}  // namespace lomvex
