// Saving the processed sound: the open file runs through the same chain as
// playback, as fast as it can, into a new WAV file. The loop empties the
// message queue about 30 times a second, so the window and its Stop button
// stay live; Stop cancels.
#pragma once

#include <cstdint>
#include <string>

namespace lomvex {

// How a save ended: the whole sound written; refused before anything was
// written (after its message); ended by a failed write (after its
// message); or stopped by Stop or by the window closing.
enum class SaveEnd { Saved, Refused, Failed, Stopped };

struct SaveResult {
    SaveEnd end = SaveEnd::Refused;
    bool fileCreated = false;     // the output file was created (it may hold part of the sound)
    uint32_t dataBytes = 0;       // the sound written: the "data" chunk's size
    uint32_t bytesPerSecond = 0;  // of the written format
};

// Saves to `path` (already confirmed in the save dialog, or chosen by a
// batch). Returns once the save has ended, however it ended.
SaveResult SaveProcessedOutput(const std::string& path);
// True while a save runs (its output file is open).
bool SaveRunning();
// Asks the running save to stop after the current buffer.
void CancelSave();
// Ends a save in every way it can end once its loop has begun.
void FinishSave();

}  // namespace lomvex
