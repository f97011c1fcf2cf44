// RIFF chunk walking over bytes in memory. Chunk sizes are taken as the
// file states them, even past the end of the file: reads then fall short.
#include "audiofile/riff_file.h"

#include <algorithm>
#include <cstring>

namespace lomvex {
namespace {

uint32_t ChunkEnd(uint32_t dataStart, uint32_t size) {
    uint64_t end = static_cast<uint64_t>(dataStart) + size + (size & 1);
    return static_cast<uint32_t>(std::min<uint64_t>(end, UINT32_MAX));
}

}  // namespace

size_t MemoryRiffFile::Read(void* destination, size_t count) {
    size_t available = position_ < bytes_.size() ? bytes_.size() - position_ : 0;
    size_t taken = std::min(count, available);
    if (taken > 0) std::memcpy(destination, bytes_.data() + position_, taken);
    position_ += static_cast<uint32_t>(taken);
    return taken;
}

bool MemoryRiffFile::Seek(uint32_t offset) {
    if (offset > bytes_.size()) return false;
    position_ = offset;
    return true;
}

bool MemoryRiffFile::DescendRiff(uint32_t& formType) {
    open_.clear();
    if (bytes_.size() < 12 || U32Le(bytes_.data()) != FourCc("RIFF")) return false;
    formType = U32Le(bytes_.data() + 8);
    open_.push_back({12, ChunkEnd(8, U32Le(bytes_.data() + 4))});
    position_ = 12;
    return true;
}

bool MemoryRiffFile::DescendChunk(uint32_t id, uint32_t& size) {
    if (open_.empty()) return false;
    const Chunk riff = open_.front();
    uint64_t at = riff.dataStart;
    while (at + 8 <= riff.end && at + 8 <= bytes_.size()) {
        uint32_t chunkSize = U32Le(bytes_.data() + at + 4);
        if (U32Le(bytes_.data() + at) == id) {
            uint32_t dataStart = static_cast<uint32_t>(at + 8);
            open_.resize(1);
            open_.push_back({dataStart, ChunkEnd(dataStart, chunkSize)});
            position_ = dataStart;
            size = chunkSize;
            return true;
        }
        at += 8 + static_cast<uint64_t>(chunkSize) + (chunkSize & 1);
    }
    return false;
}

void MemoryRiffFile::Ascend() {
    if (open_.empty()) return;
    position_ = open_.back().end;
    open_.pop_back();
}

}  // namespace lomvex
