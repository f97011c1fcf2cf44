// One start and one teardown for every kind of run (playing, saving,
// monitoring).
//
// A run starts with BeginRun (the source file, its decoder and the one-time
// length), then opens its own sink (the output device or the output file),
// then PrepareRunBuffers. Whatever happens after BeginRun, EndRun ends it:
// it releases exactly what the run acquired, in the safe order: the device
// is reset before its headers are unprepared and its buffers freed; the
// decoder's header is unprepared only if prepared and its stream closed only
// if open; a monitor's input device is closed before its output device; the file is closed and its
// format record released, so the next run reads and decodes the file afresh; the controls the run
// switched are switched back. It may be called more than once.
#pragma once

#include "engine/win32/processing.h"

namespace lomvex {

// Opens the current file if needed, counts the one-time length and opens
// the decoder of a compressed file. False after its message (the run has
// then ended).
bool BeginRun();

// Once the sink is open: releases the format record, turns the idle
// controls off, starts the processing chain's stages for a run of `kind`,
// allocates `count` wave buffers with room for
// the stages' last frames and points the decoder at them. False after the
// stages' or the buffers' message (the run has then ended).
bool PrepareRunBuffers(int count, RunKind kind);

// Turns the run controls on: Stop and Pause (playing), or Stop alone with
// the panel disabled (saving).
void SwitchEngineControls();
void SwitchSaveControls();

// How a run ends. A run that ran (not one that failed to start) shows its
// level warning when the setting asks for it; a stop cuts the decoder off
// mid-stream; while the window closes the warning has no owner. A stopped
// monitor run showed its warning when Stop was given, before its returning
// input ended it.
enum class RunEnd { Failed, Finished, Stopped, Closing, MonitorStopped };

// Ends the run (see above).
void EndRun(RunEnd end = RunEnd::Failed);

}  // namespace lomvex
