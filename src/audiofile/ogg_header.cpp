// Ogg Vorbis recognition by fixed offsets of the first page.
//
// Nothing checks the page's segment table or the Vorbis packet signature:
// the fields are taken where a first page holding only the identification
// header puts them.
#include "audiofile/ogg_header.h"

#include <cstdio>
#include <cstring>

namespace lomvex {
namespace {

// Offsets from the start of the page (27-byte page header, one lacing
// byte, then the identification packet).
constexpr uint32_t kChannelsAt = 39;  // u8
constexpr uint32_t kRateAt = 40;      // u32
constexpr uint32_t kBitRateAt = 48;   // u32, nominal, bit/s, signed

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

}  // namespace

int ParseOggHeader(ByteSource& source, FormatBlock& block, uint32_t offset, std::string* dump) {
    uint8_t capture[4];
    if (!ReadAt(source, offset, 0, capture, sizeof capture) ||
        std::memcmp(capture, "OggS", 4) != 0) {
        return kHeaderNotRecognised;
    }
    uint8_t channels = 0;
    uint8_t rateBytes[4];
    uint8_t bitRateBytes[4];
    if (!ReadAt(source, offset, kChannelsAt, &channels, 1) ||
        !ReadAt(source, offset, kRateAt, rateBytes, 4) ||
        !ReadAt(source, offset, kBitRateAt, bitRateBytes, 4)) {
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
