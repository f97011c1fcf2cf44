// The open input file of the program and its format record, opened through
// mmio and checked against the wave mapper.
#pragma once

#include "audiofile/play_file.h"
#include "audiofile/win32/local_format_block.h"

namespace lomvex {

class WindowsPlayFileHost : public PlayFileHost {
   public:
    std::unique_ptr<RiffFile> OpenFile(const std::string& path) override;
    void ShowFormat(const uint8_t* record, size_t size) override;
    void ShowLength(uint32_t dataSize) override;
    unsigned QueryOutputFormat(const uint8_t* record, size_t size) override;
    unsigned WindowsVersion() override;
};

extern OpenedPlayFile playFile;
extern LocalFormatBlock fileFormat;

// Opens the shell's current file path for playing (see OpenPlayFile).
bool OpenPlayFile();

}  // namespace lomvex
