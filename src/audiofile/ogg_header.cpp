// Ogg Vorbis recognition from the first page: the first packet's signature
// names the codec, and a Vorbis identification header gives the fields.
#include "audiofile/ogg_header.h"

#include <cstdio>
#include <cstring>

namespace lomvex {
namespace {

// Offsets from the start of the page: the segment count, then after the
// 27-byte page header and the lacing bytes the first packet.
constexpr uint32_t kSegmentCountAt = 26;
constexpr uint32_t kPageHeaderSize = 27;
// Offsets inside the Vorbis identification packet.
constexpr uint32_t kChannelsAt = 11;  // u8
constexpr uint32_t kRateAt = 12;      // u32
constexpr uint32_t kBitRateAt = 20;   // u32, nominal, bit/s, signed

struct Signature {
    const char* bytes;
    size_t size;
    const char* codec;
};

constexpr Signature kSignatures[] = {
    {"\x01vorbis", 7, "Vorbis"},
    {"OpusHead", 8, "Opus"},
    {"\x7F"
     "FLAC",
     5, "FLAC"},
    {"Speex   ", 8, "Speex"},
    {"\x80theora", 7, "Theora"},
};
constexpr size_t kLongestSignature = 8;

constexpr uint16_t kOggCbSize = 8;
constexpr uint16_t kDecodedBits = 16;
constexpr uint32_t kCodecWord1Value = 0x20001214;
constexpr uint32_t kCodecWord2Value = 0x20001031;

// Reads `count` bytes at `base + at`; false when they are not all there.
bool ReadAt(ByteSource& source, uint32_t base, uint32_t at, uint8_t* bytes, size_t count) {
    uint64_t position = uint64_t{base} + at;
    if (position > UINT32_MAX || !source.Seek(static_cast<uint32_t>(position))) return false;
    return source.Read(bytes, count) == count;
}

// The offset of the first packet from the page start; 0 when the data at
// `base` is not an Ogg page header.
uint32_t FirstPacketAt(ByteSource& source, uint32_t base) {
    uint8_t capture[4];
    uint8_t segments = 0;
    if (!ReadAt(source, base, 0, capture, sizeof capture) || std::memcmp(capture, "OggS", 4) != 0 ||
        !ReadAt(source, base, kSegmentCountAt, &segments, 1) || segments == 0) {
        return 0;
    }
    return kPageHeaderSize + segments;
}

}  // namespace

std::string OggFirstCodec(ByteSource& source, uint32_t offset) {
    uint32_t packet = FirstPacketAt(source, offset);
    uint8_t head[kLongestSignature] = {};
    if (packet == 0 || !ReadAt(source, offset, packet, head, sizeof head)) return "";
    for (const Signature& s : kSignatures) {
        if (std::memcmp(head, s.bytes, s.size) == 0) return s.codec;
    }
    return "unknown";
}

int ParseOggHeader(ByteSource& source, FormatBlock& block, uint32_t offset, std::string* dump) {
    std::string codec = OggFirstCodec(source, offset);
    if (codec.empty()) return kHeaderNotRecognised;
    if (codec != "Vorbis") return kHeaderOtherCodec;
    uint32_t packet = FirstPacketAt(source, offset);
    uint8_t channels = 0;
    uint8_t rateBytes[4];
    uint8_t bitRateBytes[4];
    if (!ReadAt(source, offset, packet + kChannelsAt, &channels, 1) ||
        !ReadAt(source, offset, packet + kRateAt, rateBytes, 4) ||
        !ReadAt(source, offset, packet + kBitRateAt, bitRateBytes, 4)) {
        return kHeaderNotRecognised;
    }
    uint32_t rate = U32Le(rateBytes);
    uint32_t bitRate = U32Le(bitRateBytes);
    // Without channels or a rate there is nothing the codec could decode,
    // and the engine divides by both.
    if (channels == 0 || rate == 0) return kHeaderNotRecognised;

    if (dump) {
        char text[96];
        std::snprintf(text, sizeof text, "freq=%lu\r\nrate=%lu\r\nchannel=%u\r\n",
                      static_cast<unsigned long>(rate), static_cast<unsigned long>(bitRate),
                      static_cast<unsigned>(channels));
        dump->append(text);
    }

    uint8_t* record = block.Acquire(kOggRecordSize);
    if (!record) return kHeaderNoMemory;
    // Vorbis marks an unset nominal rate as 0 or negative; both give a byte
    // rate of 0, never a huge unsigned one.
    int32_t nominal = static_cast<int32_t>(bitRate);
    uint32_t byteRate = nominal > 0 ? static_cast<uint32_t>(nominal / 8) : 0;
    PutU16Le(record + kFmtTag, kTagOggVorbis);
    PutU16Le(record + kFmtChannels, channels);
    PutU32Le(record + kFmtSamplesPerSec, rate);
    PutU32Le(record + kFmtAvgBytesPerSec, byteRate);
    PutU16Le(record + kFmtBlockAlign, static_cast<uint16_t>(2 * channels));
    PutU16Le(record + kFmtBitsPerSample, kDecodedBits);
    PutU16Le(record + kFmtCbSize, kOggCbSize);
    PutU32Le(record + kOggCodecWord1, kCodecWord1Value);
    PutU32Le(record + kOggCodecWord2, kCodecWord2Value);
    return kHeaderParsed;
}

}  // namespace lomvex
