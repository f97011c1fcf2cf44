// The batch save's file system and console: folder listings through
// FindFirstFile, making the output folder, writing the report, and the
// console line of each file.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "shell/batch_inputs.h"

namespace lomvex {

class WindowsFolderReader : public FolderReader {
   public:
    bool IsFolder(const std::string& path) override;
    std::vector<FolderEntry> List(const std::string& folder) override;
};

// Makes `folder` and the folders above it that are missing; true when it
// exists afterwards.
bool MakeFolder(const std::string& folder);

// Writes `lines` to `path` (replacing it), each ended by CR LF; false when
// the file cannot be written in full.
bool WriteLines(const std::string& path, const std::vector<std::string>& lines);

// Where the batch's lines are printed: the standard output when it was
// given to the program (redirected to a file or pipe), else the console of
// the process that started it; nowhere when there is neither.
class BatchConsole {
   public:
    BatchConsole() = default;
    BatchConsole(const BatchConsole&) = delete;
    BatchConsole& operator=(const BatchConsole&) = delete;
    ~BatchConsole();
    void WriteLine(const std::string& line);

   private:
    void Open();

    bool opened_ = false;
    bool ownsHandle_ = false;
    HANDLE output_ = INVALID_HANDLE_VALUE;
};

}  // namespace lomvex
