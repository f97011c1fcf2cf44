// Finding the last Ogg page's granule position.
#include "audiofile/ogg_length.h"

#include <cstring>
#include <vector>

namespace lomvex {

bool LastOggGranule(ByteSource& source, uint32_t length, uint64_t& granule) {
    constexpr uint32_t kTailBytes = 65536;
    constexpr size_t kGranuleAt = 6, kPageHeaderBytes = 27;
    const uint32_t start = length > kTailBytes ? length - kTailBytes : 0;
    std::vector<uint8_t> tail(length - start);
    if (!source.Seek(start) || source.Read(tail.data(), tail.size()) != tail.size()) return false;
    for (size_t at = tail.size() < kPageHeaderBytes ? 0 : tail.size() - kPageHeaderBytes + 1;
         at-- > 0;) {
        if (std::memcmp(tail.data() + at, "OggS", 4) != 0 || tail[at + 4] != 0) continue;
        uint64_t value = 0;
        for (int b = 7; b >= 0; --b) value = value << 8 | tail[at + kGranuleAt + b];
        // -1 marks a page on which no packet ends.
        if (value == ~uint64_t{0}) continue;
        granule = value;
        return true;
    }
    return false;
}

}  // namespace lomvex
