// What a batch save says: the window title while it runs, the report's and
// the console's line for each input, the closing summary, the refusal and
// usage lines, the reasons it gives itself, and its exit code. In English
// or, in Japanese mode, Shift-JIS.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "shell/batch_request.h"

namespace lomvex {

// "Lomvex - 3/12 song.mp3": the `index`-th (from 1) of `count` files.
std::string BatchWindowTitle(std::size_t index, std::size_t count, const std::string& fileTitle);

// A saved sound's length, "m:ss.t" (tenths cut, not rounded); "0:00.0"
// for an unknown byte rate.
std::string SoundLengthText(uint32_t dataBytes, uint32_t bytesPerSecond);

// "saved  IN -> OUT (0:02.0)", with the notes of the save (the level
// warning) after it, each line break turned into a space.
std::string SavedLine(const std::string& input, const std::string& output,
                      const std::string& length, const std::vector<std::string>& notes,
                      bool japanese);
// "failed  IN: REASON"; several reasons are joined by "; ", line breaks
// turned into spaces.
std::string FailedLine(const std::string& input, const std::vector<std::string>& reasons,
                       bool japanese);
// "3 saved, 2 failed".
std::string SummaryLine(unsigned saved, unsigned failed, bool japanese);

// The reasons the batch gives itself.
enum class BatchReason {
    StoppedByClose,      // the window was closed during this save
    StoppedByStop,       // Stop was pressed during this save
    NotReached,          // the batch stopped before this input
    SaveFailed,          // the save ended without a message of its own
    PathTooLong,         // the input path does not fit the path buffer
    OutputPathTooLong,   // nor does its output path
    OutputFolderFailed,  // the "/O" folder could not be made
    OutputTaken,         // an earlier input of this batch was saved to the same name
    OutputIsASource,     // the output would replace a source of this batch
    ReportNotWritten,    // the report file could not be written (console only)
};
const char* BatchReasonText(BatchReason reason, bool japanese);

// The refusal's line, then the usage line.
std::vector<std::string> RefusalLines(const BatchRequest& request, bool japanese);

constexpr int kBatchAllSaved = 0;
constexpr int kBatchSomeFailed = 1;
constexpr int kBatchRefused = 2;  // bad arguments, or nothing to do
int BatchExitCode(unsigned saved, unsigned failed);

}  // namespace lomvex
