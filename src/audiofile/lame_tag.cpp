// The Xing/Info header and its LAME extension.
#include "audiofile/lame_tag.h"

#include <cstring>

#include "audiofile/mpeg_header_word.h"

namespace lomvex {
namespace {

constexpr uint32_t kFramesFlag = 0x1;
constexpr uint32_t kBytesFlag = 0x2;
constexpr uint32_t kTocFlag = 0x4;
constexpr uint32_t kQualityFlag = 0x8;
constexpr size_t kTocSize = 100;
// Inside the LAME extension: the encoder's name (9 bytes), then revision,
// low-pass, replay gain (8), encoding flags, bit rate, and the 24 bits
// holding 12 of delay and 12 of padding.
constexpr size_t kDelayAt = 21;
constexpr size_t kExtensionSize = 24;
// The largest tag frame: 2880 bytes at 8 kHz, 160 kbit/s, MPEG 2.5.
constexpr size_t kLargestFrame = 2881;

}  // namespace

bool ReadLameTag(ByteSource& source, uint32_t frameStart, uint32_t dataBytes, GaplessInfo& info) {
    uint8_t head[4];
    if (!source.Seek(frameStart) || source.Read(head, 4) != 4) return false;
    uint32_t word = U32Be(head);
    if (!mpeg::IsUsableHeader(word)) return false;
    word = mpeg::RecodeLayer(word);
    if (mpeg::Layer(word) != 3) return false;
    const int version = mpeg::VersionClass(word);
    const uint32_t rate = mpeg::SampleRate(version, mpeg::SampleRateIndex(word));
    const uint32_t kbps = mpeg::BitRateKbps(version, 3, mpeg::BitRateIndex(word));
    uint32_t frameBytes = mpeg::FrameLength(version, 3, kbps, rate, mpeg::PaddingBit(word));
    if (mpeg::HasCrc(word)) frameBytes += 2;
    if (frameBytes <= 4 || frameBytes > kLargestFrame || frameBytes > dataBytes) return false;

    uint8_t frame[kLargestFrame];
    std::memcpy(frame, head, 4);
    if (source.Read(frame + 4, frameBytes - 4) != frameBytes - 4) return false;
    size_t at =
        4 + mpeg::SideInfoSize(version, mpeg::ChannelMode(word)) + (mpeg::HasCrc(word) ? 2 : 0);
    if (at + 8 > frameBytes) return false;
    if (std::memcmp(frame + at, "Xing", 4) != 0 && std::memcmp(frame + at, "Info", 4) != 0)
        return false;
    const uint32_t flags = U32Be(frame + at + 4);
    at += 8;
    if ((flags & kFramesFlag) == 0 || at + 4 > frameBytes) return false;
    const uint32_t frames = U32Be(frame + at);
    at += 4;
    if (flags & kBytesFlag) {
        if (at + 4 > frameBytes || U32Be(frame + at) > dataBytes) return false;
        at += 4;
    }
    if (flags & kTocFlag) at += kTocSize;
    if (flags & kQualityFlag) at += 4;
    if (at + kExtensionSize > frameBytes) return false;
    const uint8_t* delayBits = frame + at + kDelayAt;
    const uint32_t delay = static_cast<uint32_t>(delayBits[0]) << 4 | delayBits[1] >> 4;
    const uint32_t padding = static_cast<uint32_t>(delayBits[1] & 0x0F) << 8 | delayBits[2];

    const uint32_t samplesPerFrame = version == 0 ? 1152 : 576;
    // Every audio frame takes at least one byte besides the tag's frame.
    if (frames == 0 || frames > dataBytes - frameBytes) return false;
    if (uint64_t{delay} + padding >= uint64_t{frames} * samplesPerFrame) return false;
    info.frames = frames;
    info.samplesPerFrame = samplesPerFrame;
    info.delay = delay;
    info.padding = padding;
    info.tagFrameBytes = frameBytes;
    return true;
}

}  // namespace lomvex
