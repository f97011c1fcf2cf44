// MPEG audio recognition, Layer-3 format record and byte-rate estimate.
//
// Only the first two frame headers and the first frame's body are read:
// the first header describes the stream, the second tells constant from
// variable bit rate, and a Xing block in the first frame gives the frame
// count from which the average byte rate of a variable-rate file follows.
// Anything wrong past the first header is reported in a diagnostic box and
// the record of the first header stands.
#include "audiofile/mpeg_header.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <limits>
#include <memory>
#include <new>

#include "audiofile/mpeg_header_word.h"
#include "base/messages.h"

namespace lomvex {
namespace {

constexpr size_t kHeaderBytes = 4;
constexpr size_t kId3HeaderBytes = 10;
constexpr uint16_t kCodecDelay = 1393;
constexpr uint16_t kMp3IdMpeg = 1;
constexpr uint16_t kMp3CbSize = 12;

// Frames whose words differ only in these bits (padding and the upper
// mode-extension bit) count as the same bit rate.
constexpr uint32_t kCompareMask = 0xFFFFFDDF;

// Xing block: "Xing", flags (big-endian), then the frame count.
constexpr size_t kXingFlagsAt = 4;
constexpr size_t kXingFramesAt = 8;
constexpr size_t kXingMinimumBytes = 12;
constexpr uint32_t kXingHasFrames = 1;
constexpr uint32_t kXingHasBytes = 2;

#if defined(__GNUC__)
__attribute__((format(printf, 2, 3)))
#endif
void AppendFormat(std::string* dump, const char* format, ...) {
    if (!dump) return;
    char text[256];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    dump->append(text);
}

// What the first header says, decoded once.
struct FirstFrame {
    uint32_t word = 0;  // layer recoded
    int versionClass = 0;
    uint32_t layer = 0;
    uint32_t rate = 0;
    uint32_t kbps = 0;
    uint32_t length = 0;
};

FirstFrame DecodeFirstFrame(uint32_t word) {
    FirstFrame f;
    f.word = word;
    f.versionClass = mpeg::VersionClass(word);
    f.layer = mpeg::Layer(word);
    f.rate = mpeg::SampleRate(f.versionClass, mpeg::SampleRateIndex(word));
    f.kbps = mpeg::BitRateKbps(f.versionClass, f.layer, mpeg::BitRateIndex(word));
    f.length = mpeg::FrameLength(f.versionClass, f.layer, f.kbps, f.rate, mpeg::PaddingBit(word));
    return f;
}

// An ID3v2 size: four 7-bit groups, most significant first.
uint32_t SynchsafeSize(const uint8_t* p) {
    return (p[0] & 0x7Fu) << 21 | (p[1] & 0x7Fu) << 14 | (p[2] & 0x7Fu) << 7 | (p[3] & 0x7Fu);
}

// Reads the first frame header into `bytes`. Without an ID3v2 tag it must be
// the first four bytes; after a tag, padding up to the first 0xFF is skipped.
bool ReadFirstHeader(ByteSource& source, uint8_t bytes[kHeaderBytes]) {
    uint32_t start = source.Tell();
    if (source.Read(bytes, kHeaderBytes) != kHeaderBytes) return false;
    if (std::memcmp(bytes, "ID3", 3) != 0) return true;

    uint8_t rest[6];  // minor version, flags, size
    if (source.Read(rest, sizeof rest) != sizeof rest) return false;
    uint64_t audioAt = uint64_t{start} + kId3HeaderBytes + SynchsafeSize(rest + 2);
    if (audioAt > std::numeric_limits<uint32_t>::max()) return false;
    if (!source.Seek(static_cast<uint32_t>(audioAt))) return false;
    for (;;) {
        uint32_t at = source.Tell();
        if (source.Read(bytes, kHeaderBytes) != kHeaderBytes) return false;
        if (bytes[0] == 0xFF) return true;
        const uint8_t* sync = std::find(bytes + 1, bytes + kHeaderBytes, 0xFF);
        if (sync == bytes + kHeaderBytes) continue;  // the next four follow already
        if (!source.Seek(at + static_cast<uint32_t>(sync - bytes))) return false;
    }
}

void WriteLayer3Record(uint8_t* record, const FirstFrame& f) {
    PutU16Le(record + kFmtTag, kTagMpegLayer3);
    PutU16Le(record + kFmtChannels, static_cast<uint16_t>(mpeg::Channels(f.word)));
    PutU32Le(record + kFmtSamplesPerSec, f.rate);
    PutU32Le(record + kFmtAvgBytesPerSec, f.kbps * 125);
    PutU16Le(record + kFmtBlockAlign, 1);
    PutU16Le(record + kFmtBitsPerSample, 0);
    PutU16Le(record + kFmtCbSize, kMp3CbSize);
    PutU16Le(record + kMp3Id, kMp3IdMpeg);
    PutU32Le(record + kMp3Flags, mpeg::PaddingBit(f.word));
    PutU16Le(record + kMp3BlockSize, static_cast<uint16_t>(f.length));
    PutU16Le(record + kMp3FramesPerBlock, 1);
    PutU16Le(record + kMp3CodecDelay, kCodecDelay);
}

// The body of the first frame (after its header), or none when the memory
// could not be had; `size` counts the bytes actually read.
struct FrameBody {
    std::unique_ptr<uint8_t[]> bytes;
    size_t size = 0;
};

FrameBody ReadFrameBody(ByteSource& source, const FirstFrame& f) {
    FrameBody body;
    uint32_t wanted = f.length > kHeaderBytes ? f.length - kHeaderBytes : 0;
    if (wanted == 0) return body;
    body.bytes.reset(new (std::nothrow) uint8_t[wanted]);
    if (!body.bytes) {
        char text[32];
        std::snprintf(text, sizeof text, "memerr size=%d", static_cast<int>(wanted));
        ShowDiagnostic(text);
        // Step over the body so that the second header is still found.
        uint8_t scrap[256];
        for (size_t left = wanted, got = 1; left > 0 && got > 0; left -= got) {
            got = source.Read(scrap, std::min(left, sizeof scrap));
        }
        return body;
    }
    body.size = source.Read(body.bytes.get(), wanted);
    return body;
}

// Reads the second header; false after a diagnostic box when it is missing
// or cannot be a frame header.
bool ReadSecondHeader(ByteSource& source, uint32_t* word) {
    uint8_t bytes[kHeaderBytes];
    if (source.Read(bytes, kHeaderBytes) != kHeaderBytes) {
        ShowDiagnostic("read");
        return false;
    }
    uint32_t w = U32Be(bytes);
    const char* problem = nullptr;
    if (!mpeg::HasSync(w)) {
        problem = "fff";
    } else if (mpeg::Layer(w) == 0) {
        problem = "layer";
    } else if (mpeg::SampleRateIndex(w) == mpeg::kReservedSampleRate) {
        problem = "rate";
    }
    if (problem) {
        ShowDiagnostic(problem);
        return false;
    }
    *word = mpeg::RecodeLayer(w);
    return true;
}

// Compares the second header with the first. A different one raises the
// record's byte rate to the second frame's when that is higher. Returns the
// duration in seconds of the second frame, or 0 when the bit rate is
// constant (or the second frame has no bit rate to measure it by).
double CompareSecondFrame(const FirstFrame& f, uint32_t second, uint8_t* record,
                          std::string* dump) {
    if ((f.word & kCompareMask) == (second & kCompareMask)) {
        AppendFormat(dump, "CBR\r\n");
        return 0;
    }
    uint32_t kbps =
        mpeg::BitRateKbps(f.versionClass, mpeg::Layer(second), mpeg::BitRateIndex(second));
    uint32_t byteRate = kbps * 125;
    AppendFormat(dump, "VBR\r\n");
    if (dump) dump->append(mpeg::DescribeHeader(second));
    AppendFormat(dump, "%8lx\r\n", static_cast<unsigned long>(f.word ^ second));
    AppendFormat(dump, "avg=%ld\r\n", static_cast<long>(byteRate));

    uint32_t current = U32Le(record + kFmtAvgBytesPerSec);
    PutU32Le(record + kFmtAvgBytesPerSec, std::max(current, byteRate));
    if (byteRate == 0) return 0;  // free-format or forbidden index: nothing to time
    uint32_t length =
        mpeg::FrameLength(f.versionClass, f.layer, kbps, f.rate, mpeg::PaddingBit(second));
    return static_cast<double>(length) / byteRate;
}

// Finds the Xing block of a Layer III first frame: it follows the side
// information (and the CRC, when there is one).
bool FindXingBlock(const FirstFrame& f, const FrameBody& body, uint32_t* flags,
                   uint32_t* frameCount) {
    size_t at = mpeg::SideInfoSize(f.versionClass, mpeg::ChannelMode(f.word));
    if (mpeg::HasCrc(f.word)) at += 2;
    if (!body.bytes || body.size < at + kXingMinimumBytes) return false;
    const uint8_t* xing = body.bytes.get() + at;
    if (std::memcmp(xing, "Xing", 4) != 0) return false;
    *flags = U32Be(xing + kXingFlagsAt);
    *frameCount = U32Be(xing + kXingFramesAt);
    return true;
}

// The average byte rate of the whole data from the Xing frame count. Leaves
// the record alone when there is no duration to divide by.
void ApplyXingFrameCount(double frameDuration, uint32_t flags, uint32_t frameCount,
                         uint32_t dataSize, uint8_t* record, std::string* dump) {
    if (!(flags & kXingHasFrames)) {
        ShowDiagnostic("FLAG ERROR", "Xing", BoxOwner::None);
        frameCount = 0;  // bytes 8..11 hold something else then
    }
    if (!(flags & kXingHasBytes)) ShowDiagnostic("FLAG ERROR", "Xing", BoxOwner::None);

    double time = frameDuration * frameCount;
    AppendFormat(dump, "Xing\r\ntime=%f\r\n", time);
    if (!(time > 0)) return;
    constexpr double kLargest = std::numeric_limits<int32_t>::max();
    double rate = std::min(dataSize / time, kLargest);
    long byteRate = static_cast<long>(rate);
    AppendFormat(dump, "avg=%ld data=%ld time=%f", byteRate,
                 static_cast<long>(static_cast<int32_t>(dataSize)), time);
    // Fewer bytes than seconds is no rate the engine can size buffers by.
    if (byteRate > 0) PutU32Le(record + kFmtAvgBytesPerSec, static_cast<uint32_t>(byteRate));
}

}  // namespace

int ParseMpegHeader(ByteSource& source, FormatBlock& block, uint32_t dataSize, std::string* dump) {
    uint8_t header[kHeaderBytes];
    if (!ReadFirstHeader(source, header)) return kHeaderNotRecognised;
    uint32_t word = U32Be(header);
    if (!mpeg::IsUsableHeader(word)) return kHeaderNotRecognised;
    const FirstFrame first = DecodeFirstFrame(mpeg::RecodeLayer(word));
    if (dump) dump->append(mpeg::DescribeHeader(first.word));

    uint8_t* record = block.Acquire(kMpegRecordSize);
    if (!record) return kHeaderNoMemory;
    WriteLayer3Record(record, first);
    AppendFormat(dump, "ID=%hu\r\nFlags=%lu\r\nBlock=%hu\r\nFrame=%hu\r\nDelay=%hu\r\n",
                 static_cast<unsigned short>(kMp3IdMpeg),
                 static_cast<unsigned long>(mpeg::PaddingBit(first.word)),
                 static_cast<unsigned short>(first.length), static_cast<unsigned short>(1),
                 static_cast<unsigned short>(kCodecDelay));

    const FrameBody body = ReadFrameBody(source, first);
    uint32_t second = 0;
    if (!ReadSecondHeader(source, &second)) return kHeaderParsed;
    double frameDuration = CompareSecondFrame(first, second, record, dump);

    uint32_t flags = 0;
    uint32_t frameCount = 0;
    if (FindXingBlock(first, body, &flags, &frameCount)) {
        ApplyXingFrameCount(frameDuration, flags, frameCount, dataSize, record, dump);
    }
    return kHeaderParsed;
}

bool FindFirstFrame(ByteSource& source, uint32_t& frameStart) {
    uint8_t header[kHeaderBytes];
    if (!ReadFirstHeader(source, header)) return false;
    frameStart = source.Tell() - kHeaderBytes;
    return true;
}

}  // namespace lomvex
