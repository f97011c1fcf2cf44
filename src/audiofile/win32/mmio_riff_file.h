// A RiffFile over the platform's buffered multimedia file I/O (mmio).
#pragma once

#include <windows.h>
#include <mmsystem.h>

#include <memory>
#include <string>

#include "audiofile/riff_file.h"

namespace lomvex {

class MmioRiffFile : public RiffFile {
   public:
    // Opens `path` read-only with a buffer of mmio's own; null on failure.
    static std::unique_ptr<MmioRiffFile> Open(const std::string& path);
    ~MmioRiffFile() override;

    size_t Read(void* destination, size_t count) override;
    bool Seek(uint32_t offset) override;
    uint32_t Tell() override;
    uint32_t Length() override;
    bool DescendRiff(uint32_t& formType) override;
    bool DescendChunk(uint32_t id, uint32_t& size) override;
    void Ascend() override;

   private:
    explicit MmioRiffFile(HMMIO handle) : handle_(handle) {}
    HMMIO handle_;
    MMCKINFO riff_ = {};
    MMCKINFO chunk_ = {};
    int depth_ = 0;  // 0 outside, 1 in the RIFF chunk, 2 in a sub-chunk
};

}  // namespace lomvex
