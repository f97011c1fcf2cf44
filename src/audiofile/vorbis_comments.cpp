// The comment packet of the first stream, gathered across its pages.
#include "audiofile/vorbis_comments.h"

#include <cstring>

#include "audiofile/byte_source.h"

namespace lomvex {
namespace {

constexpr size_t kPageHeaderSize = 27;
constexpr size_t kSignatureSize = 7;  // packet type 3, "vorbis"

// The second packet of the file (the first page holds the first alone);
// false when the file ends inside it.
bool SecondPacket(const std::vector<uint8_t>& file, std::vector<uint8_t>& packet) {
    size_t at = 0;
    bool firstPage = true;
    while (at + kPageHeaderSize <= file.size() && std::memcmp(&file[at], "OggS", 4) == 0) {
        const size_t segments = file[at + 26];
        const size_t lacing = at + kPageHeaderSize;
        if (lacing + segments > file.size()) return false;
        size_t body = lacing + segments;
        for (size_t i = 0; i < segments; ++i) {
            const size_t length = file[lacing + i];
            if (body + length > file.size()) return false;
            if (!firstPage) {
                packet.insert(packet.end(), file.begin() + body, file.begin() + body + length);
                if (length < 255) return true;
            }
            body += length;
        }
        firstPage = false;
        at = body;
    }
    return false;
}

}  // namespace

bool CommentHeaderFits(const std::vector<uint8_t>& file, size_t& packetBytes) {
    std::vector<uint8_t> packet;
    if (!SecondPacket(file, packet)) return false;
    packetBytes = packet.size();
    size_t at = kSignatureSize;
    if (packet.size() < at + 8 || packet[0] != 3 || std::memcmp(&packet[1], "vorbis", 6) != 0)
        return false;
    const uint32_t vendor = U32Le(&packet[at]);
    at += 4;
    if (vendor > packet.size() - at - 4) return false;
    at += vendor;
    const uint32_t count = U32Le(&packet[at]);
    at += 4;
    if (count > (packet.size() - at) / 4) return false;
    for (uint32_t i = 0; i < count; ++i) {
        if (packet.size() - at < 4) return false;
        const uint32_t length = U32Le(&packet[at]);
        at += 4;
        if (length > packet.size() - at) return false;
        at += length;
    }
    return true;
}

}  // namespace lomvex
