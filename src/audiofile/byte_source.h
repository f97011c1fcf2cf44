// A readable, seekable stream of bytes: what the file parsers read from.
//
// The program adapts an mmio handle to it; tests and fuzzers read memory.
// Positions are absolute byte offsets from the start of the stream.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace lomvex {

class ByteSource {
   public:
    virtual ~ByteSource() = default;
    // Reads up to `count` bytes; returns how many were read (short at the end).
    virtual size_t Read(void* destination, size_t count) = 0;
    // Moves to `offset`; false when it lies outside the stream.
    virtual bool Seek(uint32_t offset) = 0;
    virtual uint32_t Tell() = 0;
};

class MemoryByteSource : public ByteSource {
   public:
    MemoryByteSource(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    explicit MemoryByteSource(const std::vector<uint8_t>& bytes)
        : MemoryByteSource(bytes.data(), bytes.size()) {}

    size_t Read(void* destination, size_t count) override;
    bool Seek(uint32_t offset) override;
    uint32_t Tell() override { return static_cast<uint32_t>(position_); }

   private:
    const uint8_t* data_;
    size_t size_;
    size_t position_ = 0;
};

// Little- and big-endian field access by offset inside a checked buffer.
inline uint16_t U16Le(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }
inline uint32_t U32Le(const uint8_t* p) {
    return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24;
}
inline uint32_t U32Be(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) << 24 | p[1] << 16 | p[2] << 8 | p[3];
}
inline void PutU16Le(uint8_t* p, uint16_t v) {
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
}
inline void PutU32Le(uint8_t* p, uint32_t v) {
    PutU16Le(p, static_cast<uint16_t>(v));
    PutU16Le(p + 2, static_cast<uint16_t>(v >> 16));
}

}  // namespace lomvex
