// MPEG audio frame header decoding: tables and frame arithmetic.
#include "audiofile/mpeg_header_word.h"

#include <cstdio>

namespace lomvex::mpeg {
namespace {

constexpr uint32_t kSampleRates[3][3] = {
    {44100, 48000, 32000},  // MPEG-1
    {22050, 24000, 16000},  // MPEG-2
    {11025, 12000, 8000},   // MPEG 2.5
};

// Row = version class x 3 + (layer - 1). MPEG 2.5 has no table of its own:
// it uses the MPEG-2 Layer II/III row for every layer.
constexpr uint16_t kBitRatesKbps[9][16] = {
    {0, 32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448, 0},  // 1, I
    {0, 32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384, 0},     // 1, II
    {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 0},      // 1, III
    {0, 32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256, 0},     // 2, I
    {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160, 0},          // 2, II
    {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160, 0},          // 2, III
    {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160, 0},          // 2.5
    {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160, 0},          // 2.5
    {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160, 0},          // 2.5
};

constexpr uint32_t kFreeFormatIndex = 0;
constexpr uint32_t kForbiddenBitRateIndex = 15;

}  // namespace

bool IsUsableHeader(uint32_t word) {
    uint32_t bitRate = BitRateIndex(word);
    return HasSync(word) && Layer(word) != 0 && SampleRateIndex(word) != kReservedSampleRate &&
           bitRate != kFreeFormatIndex && bitRate != kForbiddenBitRateIndex;
}

uint32_t RecodeLayer(uint32_t word) {
    static constexpr uint32_t kLayerNumber[4] = {0, 3, 2, 1};
    return (word & ~(3u << 17)) | kLayerNumber[Layer(word)] << 17;
}

int VersionClass(uint32_t word) {
    if (IdBit(word)) return 0;
    return Sync(word) == kSyncMpeg ? 1 : 2;
}

uint32_t SampleRate(int versionClass, uint32_t sampleRateIndex) {
    if (versionClass < 0 || versionClass > 2 || sampleRateIndex > 2) return 0;
    return kSampleRates[versionClass][sampleRateIndex];
}

uint32_t BitRateKbps(int versionClass, uint32_t layer, uint32_t bitRateIndex) {
    if (versionClass < 0 || versionClass > 2 || layer < 1 || layer > 3 || bitRateIndex > 15) {
        return 0;
    }
    return kBitRatesKbps[versionClass * 3 + (layer - 1)][bitRateIndex];
}

uint32_t FrameLength(int versionClass, uint32_t layer, uint32_t kbps, uint32_t rate,
                     uint32_t padding) {
    if (rate == 0) return 0;
    if (layer == 1) return (kbps * 12000 / rate + padding) * 4;
    uint32_t bytesPerKbps = versionClass == 0 ? 144000 : 72000;
    return padding + kbps * bytesPerKbps / rate;
}

uint32_t SideInfoSize(int versionClass, uint32_t channelMode) {
    bool mono = channelMode == kSingleChannel;
    if (versionClass == 0) return mono ? 17 : 32;
    return mono ? 9 : 17;
}

std::string DescribeHeader(uint32_t w) {
    char text[320];
    std::snprintf(text, sizeof text,
                  "SyncHead=%x\r\nID=%x\r\nLayer=%x\r\nErrorProtect=%x\r\nBitRate=%x\r\n"
                  "SampleRate=%x\r\nPadEnd=%x\r\nExtension=%x\r\nChannel=%x\r\n"
                  "ModExtension=%x\r\nCopyright=%x\r\nOriginal=%x\r\nEmphasis=%x\r\n",
                  Sync(w), IdBit(w), Layer(w), ProtectionBit(w), BitRateIndex(w),
                  SampleRateIndex(w), PaddingBit(w), PrivateBit(w), ChannelMode(w),
                  ModeExtension(w), CopyrightBit(w), OriginalBit(w), Emphasis(w));
    return text;
}

}  // namespace lomvex::mpeg
