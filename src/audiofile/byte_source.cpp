// Memory-backed byte source.
#include "audiofile/byte_source.h"

#include <algorithm>
#include <cstring>

namespace lomvex {

size_t MemoryByteSource::Read(void* destination, size_t count) {
    size_t available = position_ < size_ ? size_ - position_ : 0;
    size_t taken = std::min(count, available);
    if (taken > 0) std::memcpy(destination, data_ + position_, taken);
    position_ += taken;
    return taken;
}

bool MemoryByteSource::Seek(uint32_t offset) {
    if (offset > size_) return false;
    position_ = offset;
    return true;
}

}  // namespace lomvex
