// The fuzz input read front to back as settings; past its end every byte
// is 0, so a short input is a valid one.
#pragma once

#include <cstddef>
#include <cstdint>

class InputReader {
   public:
    InputReader(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    uint8_t Byte() { return position_ < size_ ? data_[position_++] : 0; }
    uint16_t U16() {
        const uint16_t low = Byte();
        return static_cast<uint16_t>(low | (Byte() << 8));
    }
    bool AtEnd() const { return position_ >= size_; }

   private:
    const uint8_t* data_;
    size_t size_;
    size_t position_ = 0;
};
