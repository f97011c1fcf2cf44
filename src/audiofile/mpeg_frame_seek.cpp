// Walking MPEG frame headers to a data offset.
#include "audiofile/mpeg_frame_seek.h"

#include "audiofile/mpeg_header.h"
#include "audiofile/mpeg_header_word.h"

namespace lomvex {
namespace {

// The header word at the source's position; false when it cannot be read.
bool ReadWord(ByteSource& source, uint32_t& word) {
    uint8_t b[4];
    if (source.Read(b, sizeof b) != sizeof b) return false;
    word = uint32_t{b[0]} << 24 | uint32_t{b[1]} << 16 | uint32_t{b[2]} << 8 | b[3];
    return true;
}

// Samples one frame decodes to: 384 for Layer I, 1152 for Layer II and for
// MPEG-1 Layer III, 576 for the Layer III of MPEG-2 and 2.5.
uint32_t SamplesPerFrame(int versionClass, uint32_t layer) {
    if (layer == 1) return 384;
    if (layer == 3 && versionClass != 0) return 576;
    return 1152;
}

// The length of the frame whose header is `word`; 0 when it is no usable
// header.
uint32_t LengthOf(uint32_t word, uint32_t& samples) {
    if (!mpeg::IsUsableHeader(word)) return 0;
    const uint32_t w = mpeg::RecodeLayer(word);
    const int versionClass = mpeg::VersionClass(w);
    const uint32_t layer = mpeg::Layer(w);
    const uint32_t rate = mpeg::SampleRate(versionClass, mpeg::SampleRateIndex(w));
    const uint32_t kbps = mpeg::BitRateKbps(versionClass, layer, mpeg::BitRateIndex(w));
    samples = SamplesPerFrame(versionClass, layer);
    return mpeg::FrameLength(versionClass, layer, kbps, rate, mpeg::PaddingBit(w));
}

}  // namespace

bool FindMpegFrame(ByteSource& source, uint32_t dataStart, uint32_t dataSize, uint32_t wanted,
                   MpegFramePlace& place, uint64_t lastIndex) {
    uint32_t first = 0;
    if (!source.Seek(dataStart) || !FindFirstFrame(source, first) || first < dataStart ||
        first - dataStart >= dataSize)
        return false;
    place = MpegFramePlace{};
    place.offset = first - dataStart;
    uint32_t word = 0, samples = 0;
    if (!source.Seek(first) || !ReadWord(source, word)) return false;
    uint32_t length = LengthOf(word, samples);
    if (length == 0) return false;
    place.samplesPerFrame = samples;
    for (;;) {
        const uint64_t next = uint64_t{place.offset} + length;
        if (next > wanted || next + 4 > dataSize || place.frameIndex >= lastIndex) return true;
        uint32_t nextSamples = 0;
        if (!source.Seek(dataStart + static_cast<uint32_t>(next)) || !ReadWord(source, word))
            return true;
        const uint32_t nextLength = LengthOf(word, nextSamples);
        if (nextLength == 0) return true;
        place.offset = static_cast<uint32_t>(next);
        ++place.frameIndex;
        length = nextLength;
    }
}

}  // namespace lomvex
