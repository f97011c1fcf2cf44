// Opening the shell's current file for playing and saving: the reader's
// platform side (mmio, the status panel, the wave mapper's format check).
#pragma once

#include "audiofile/play_file.h"

namespace lomvex {

class WindowsPlayFileHost : public PlayFileHost {
   public:
    std::unique_ptr<RiffFile> OpenFile(const std::string& path) override;
    void ShowFormat(const uint8_t* record, size_t size) override;
    void ShowLength(uint32_t dataSize) override;
    unsigned QueryOutputFormat(const uint8_t* record, size_t size) override;
    unsigned WindowsVersion() override;
};

// Opens the current path (see OpenPlayFile of the reader); false after its
// message.
bool OpenPlayFile();

}  // namespace lomvex
