// An open sound file as the reader sees it: a byte source that can also
// descend into the RIFF chunk and into sub-chunks of it, the way the
// platform's buffered multimedia I/O does.
//
// The program implements it over mmio; MemoryRiffFile implements the same
// rules over bytes in memory for the unit tests and fuzzers.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "audiofile/byte_source.h"

namespace lomvex {

constexpr uint32_t FourCc(const char (&id)[5]) {
    return static_cast<uint8_t>(id[0]) | static_cast<uint8_t>(id[1]) << 8 |
           static_cast<uint8_t>(id[2]) << 16 | static_cast<uint32_t>(static_cast<uint8_t>(id[3])) << 24;
}

class RiffFile : public ByteSource {
   public:
    // The file's length in bytes.
    virtual uint32_t Length() = 0;
    // From offset 0: enters a "RIFF" chunk and reports its form type;
    // false when the file does not start with one.
    virtual bool DescendRiff(uint32_t& formType) = 0;
    // Searches the whole RIFF chunk for the sub-chunk `id` and enters it,
    // leaving the position at its first data byte; false when not found.
    virtual bool DescendChunk(uint32_t id, uint32_t& size) = 0;
    // Leaves the innermost chunk entered, positioned after its end.
    virtual void Ascend() = 0;
};

class MemoryRiffFile : public RiffFile {
   public:
    explicit MemoryRiffFile(std::vector<uint8_t> bytes) : bytes_(std::move(bytes)) {}

    size_t Read(void* destination, size_t count) override;
    bool Seek(uint32_t offset) override;
    uint32_t Tell() override { return position_; }
    uint32_t Length() override { return static_cast<uint32_t>(bytes_.size()); }
    bool DescendRiff(uint32_t& formType) override;
    bool DescendChunk(uint32_t id, uint32_t& size) override;
    void Ascend() override;

   private:
    struct Chunk {
        uint32_t dataStart;
        uint32_t end;  // first byte after the chunk's data and pad byte
    };
    std::vector<uint8_t> bytes_;
    uint32_t position_ = 0;
    std::vector<Chunk> open_;
};

}  // namespace lomvex
