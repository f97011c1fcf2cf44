// The comment header of an Ogg Vorbis file in memory (its second packet),
// checked before stb_vorbis reads it: that decoder sizes the comment list
// by the count the header claims (and, when the list cannot be had, reads
// the missing list as it frees it) and each string by the length claimed
// (a length near 2^31 overflows into a write far outside its memory). A
// count or a length the packet cannot hold is a damaged file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace lomvex {

// True with the packet's length in `packetBytes` when the comment header is
// there whole and the vendor string, the count and every comment with its
// length fit in it.
bool CommentHeaderFits(const std::vector<uint8_t>& file, size_t& packetBytes);

}  // namespace lomvex
