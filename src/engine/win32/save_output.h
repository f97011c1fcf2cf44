// Saving the processed sound: the open file runs through the same chain as
// playback, as fast as it can, into a new WAV file. The loop empties the
// message queue about 30 times a second, so the window and its Stop button
// stay live; Stop cancels.
#pragma once

#include <string>

namespace lomvex {

// Saves to `path` (already confirmed in the save dialog).
void SaveProcessedOutput(const std::string& path);
// True while a save runs (its output file is open).
bool SaveRunning();
// Asks the running save to stop after the current buffer.
void CancelSave();
// Ends a save in every way it can end once its loop has begun.
void FinishSave();

}  // namespace lomvex
