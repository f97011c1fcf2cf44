// The 32-bit MPEG audio frame header: named bit fields, the bit-rate and
// sample-rate tables, frame length and side-information size.
//
// A header word is the four header bytes in file order, combined big-endian.
// Once validated, its layer bits are recoded (RecodeLayer) so that 1, 2 and
// 3 name Layers I, II and III; every helper below that takes a layer takes
// the recoded value.
#pragma once

#include <cstdint>
#include <string>

namespace lomvex::mpeg {

constexpr uint32_t kSyncMpeg = 0xFFF;        // MPEG-1 and MPEG-2
constexpr uint32_t kSyncMpeg25 = 0xFFE;      // MPEG 2.5
constexpr uint32_t kSingleChannel = 3;       // channel mode
constexpr uint32_t kReservedSampleRate = 3;  // sample-rate index

// Bits 31..0: sync(12) ID layer(2) protection bitrate(4) samplerate(2)
// padding private mode(2) modeext(2) copyright original emphasis(2).
inline uint32_t Sync(uint32_t w) {
    return w >> 20;
}
inline uint32_t IdBit(uint32_t w) {
    return w >> 19 & 1;
}
inline uint32_t Layer(uint32_t w) {
    return w >> 17 & 3;
}
inline uint32_t ProtectionBit(uint32_t w) {
    return w >> 16 & 1;
}  // 1: no CRC
inline uint32_t BitRateIndex(uint32_t w) {
    return w >> 12 & 15;
}
inline uint32_t SampleRateIndex(uint32_t w) {
    return w >> 10 & 3;
}
inline uint32_t PaddingBit(uint32_t w) {
    return w >> 9 & 1;
}
inline uint32_t PrivateBit(uint32_t w) {
    return w >> 8 & 1;
}
inline uint32_t ChannelMode(uint32_t w) {
    return w >> 6 & 3;
}
inline uint32_t ModeExtension(uint32_t w) {
    return w >> 4 & 3;
}
inline uint32_t CopyrightBit(uint32_t w) {
    return w >> 3 & 1;
}
inline uint32_t OriginalBit(uint32_t w) {
    return w >> 2 & 1;
}
inline uint32_t Emphasis(uint32_t w) {
    return w & 3;
}

inline bool HasSync(uint32_t w) {
    return Sync(w) == kSyncMpeg || Sync(w) == kSyncMpeg25;
}
inline bool HasCrc(uint32_t w) {
    return ProtectionBit(w) == 0;
}
inline uint32_t Channels(uint32_t w) {
    return ChannelMode(w) == kSingleChannel ? 1 : 2;
}

// Sync, layer and sample rate usable, and a bit rate that is neither free
// format (index 0) nor the forbidden index 15: a first frame we can describe.
bool IsUsableHeader(uint32_t word);

// Swaps coded layers 1 and 3 so the field reads as the layer number.
uint32_t RecodeLayer(uint32_t word);

// 0 MPEG-1 (ID bit set), 1 MPEG-2, 2 MPEG 2.5.
int VersionClass(uint32_t word);

// Hz; 0 for the reserved index 3.
uint32_t SampleRate(int versionClass, uint32_t sampleRateIndex);
// kbit/s for a recoded layer 1..3; 0 for indices 0 and 15 and for layer 0.
uint32_t BitRateKbps(int versionClass, uint32_t layer, uint32_t bitRateIndex);

// Bytes of one frame, header and CRC included. The formula follows the
// layer and version class given (Layer I counts 4-byte slots).
uint32_t FrameLength(int versionClass, uint32_t layer, uint32_t kbps, uint32_t rate,
                     uint32_t padding);

// Bytes of Layer III side information after the header (and CRC).
uint32_t SideInfoSize(int versionClass, uint32_t channelMode);

// The thirteen fields of a header word as the readable dump lists them.
std::string DescribeHeader(uint32_t word);

}  // namespace lomvex::mpeg
