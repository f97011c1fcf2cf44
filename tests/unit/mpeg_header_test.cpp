// MPEG audio recognition: frame lengths and record fields, ID3v2 skipping,
// what is not MPEG, second-frame diagnostics, CBR/VBR, the Xing byte rate
// and the readable dumps.
#include "audiofile/mpeg_header.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "base/messages.h"

namespace lomvex {
namespace {

using Bytes = std::vector<uint8_t>;

class RecordingSink : public MessageSink {
   public:
    std::string LoadText(int) override { return {}; }
    void Show(const MessageBoxRequest& box) override { boxes.push_back(box); }
    [[noreturn]] void Exit(int) override { throw std::runtime_error("exit"); }
    std::vector<MessageBoxRequest> boxes;
};

class NoMemoryBlock : public FormatBlock {
   public:
    uint8_t* Acquire(size_t) override { return nullptr; }
    void Release() override {}
    uint8_t* Data() override { return nullptr; }
    size_t Size() const override { return 0; }
};

enum Version { kMpeg1, kMpeg2, kMpeg25 };

// A frame header by field, coded as in files (Layer I coded 3, III coded 1).
struct Header {
    Version version = kMpeg1;
    unsigned layer = 3;  // 0: the reserved code
    bool crc = false;
    unsigned bitRate = 9;  // 128 kbit/s for MPEG-1 Layer III
    unsigned rate = 0;
    unsigned padding = 0;
    unsigned mode = 0;  // 3: single channel
    unsigned modeExtension = 0;

    uint32_t Word() const {
        uint32_t sync = version == kMpeg25 ? 0xFFE : 0xFFF;
        return sync << 20 | (version == kMpeg1) << 19 | (layer ? 4 - layer : 0) << 17 | !crc << 16 |
               bitRate << 12 | rate << 10 | padding << 9 | mode << 6 | modeExtension << 4;
    }
};

void AppendWord(Bytes& out, uint32_t word) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(word >> shift));
}

// Appends a frame: the header, then zeros up to `length`; and a Xing block
// `xingAt` bytes after the header when `xingAt` is not 0.
void AppendFrame(Bytes& out, const Header& h, size_t length, size_t xingAt = 0, uint32_t flags = 0,
                 uint32_t frames = 0) {
    size_t start = out.size();
    AppendWord(out, h.Word());
    out.resize(start + length, 0);
    if (xingAt == 0) return;
    Bytes block = {'X', 'i', 'n', 'g'};
    AppendWord(block, flags);
    AppendWord(block, frames);
    std::copy(block.begin(), block.end(), out.begin() + start + 4 + xingAt);
}

// An ID3v2.3 tag announcing `size` bytes, followed by them.
Bytes Id3Tag(uint32_t size) {
    Bytes tag = {'I', 'D', '3', 3, 0, 0};
    for (int shift = 21; shift >= 0; shift -= 7) tag.push_back((size >> shift) & 0x7F);
    tag.resize(tag.size() + size, 'x');
    return tag;
}

struct Parsed {
    int result = -1;
    Bytes record;
    std::string dump;
    std::vector<MessageBoxRequest> boxes;

    uint16_t U16(size_t at) const { return at + 2 <= record.size() ? U16Le(&record[at]) : 0; }
    uint32_t U32(size_t at) const { return at + 4 <= record.size() ? U32Le(&record[at]) : 0; }
    uint32_t Avg() const { return U32(kFmtAvgBytesPerSec); }
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const MessageBoxRequest& box : boxes) texts.push_back(box.text);
        return texts;
    }
};

Parsed Parse(const Bytes& bytes, uint32_t dataSize = 0, uint32_t start = 0) {
    RecordingSink sink;
    MessageSink* previous = SetMessageSink(&sink);
    MemoryByteSource source(bytes);
    source.Seek(start);
    VectorFormatBlock block;
    Parsed p;
    p.result = ParseMpegHeader(source, block, dataSize, &p.dump);
    SetMessageSink(previous);
    p.boxes = sink.boxes;
    if (block.Data()) p.record.assign(block.Data(), block.Data() + block.Size());
    return p;
}

// A first frame, then the header of the second.
Bytes TwoFrames(const Header& first, size_t length, const Header& second) {
    Bytes bytes;
    AppendFrame(bytes, first, length);
    AppendWord(bytes, second.Word());
    return bytes;
}
Bytes TwoFrames(const Header& h, size_t length) {
    return TwoFrames(h, length, h);
}

// A first frame with a Xing block, then a header one bit-rate index up. By
// default: 417 bytes at 128 kbit/s, Xing after 32 bytes of side information,
// then 160 kbit/s (522-byte frames, 20000 bytes/s).
Bytes XingStream(uint32_t flags, uint32_t frames, const Header& first = {}, size_t length = 417,
                 size_t xingAt = 32) {
    Header second = first;
    second.bitRate = first.bitRate + 1;
    Bytes bytes;
    AppendFrame(bytes, first, length, xingAt, flags, frames);
    AppendWord(bytes, second.Word());
    return bytes;
}

TEST(MpegHeader, RecordFollowsLayerVersionAndPadding) {
    struct Case {
        Header h;
        uint16_t block, channels;
        uint32_t rate, avg;
    } cases[] = {
        {{}, 417, 2, 44100, 16000},                             // Layer III 128k
        {{kMpeg1, 3, false, 9, 0, 1}, 418, 2, 44100, 16000},    // padded
        {{kMpeg1, 3, true}, 417, 2, 44100, 16000},              // the CRC is inside
        {{kMpeg2, 3, false, 8, 0, 0, 3}, 208, 1, 22050, 8000},  // 72000 rule, mono
        {{kMpeg25, 3, false, 8, 2}, 576, 2, 8000, 8000},        // 8 kHz
        {{kMpeg1, 1, false, 12, 0, 1}, 420, 2, 44100, 48000},   // 4-byte slots
        {{kMpeg2, 1, false, 9, 1}, 288, 2, 24000, 18000},       // own Layer I row
        {{kMpeg25, 1, false, 14, 2, 1}, 964, 2, 8000, 20000},   // II/III row for 2.5
        {{kMpeg1, 2, false, 10, 1}, 576, 2, 48000, 24000},      // Layer II
    };
    for (const Case& c : cases) {
        Parsed p = Parse(TwoFrames(c.h, c.block));
        ASSERT_EQ(p.result, kHeaderParsed) << c.block;
        ASSERT_EQ(p.record.size(), kMpegRecordSize);
        FormatFields f = ReadFormatFields(p.record.data());
        EXPECT_EQ(f.tag, kTagMpegLayer3);
        EXPECT_EQ(f.channels, c.channels) << c.block;
        EXPECT_EQ(f.samplesPerSec, c.rate) << c.block;
        EXPECT_EQ(f.avgBytesPerSec, c.avg) << c.block;
        EXPECT_EQ(f.blockAlign, 1);
        EXPECT_EQ(f.bitsPerSample, 0);
        EXPECT_EQ(p.U16(kMp3BlockSize), c.block);
        EXPECT_EQ(p.U32(kMp3Flags), c.h.padding);
        EXPECT_EQ(p.U16(kFmtCbSize), 12);
        EXPECT_EQ(p.U16(kMp3Id), 1);
        EXPECT_EQ(p.U16(kMp3FramesPerBlock), 1);
        EXPECT_EQ(p.U16(kMp3CodecDelay), 1393);
        // The second header lies where the computed length says.
        EXPECT_TRUE(p.boxes.empty()) << c.block << ": " << p.boxes[0].text;
    }
    Bytes bytes = TwoFrames(Header{}, 417);
    MemoryByteSource source(bytes);
    NoMemoryBlock noMemory;
    EXPECT_EQ(ParseMpegHeader(source, noMemory, 0, nullptr), kHeaderNoMemory);
}

TEST(MpegHeader, Id3TagAndItsZeroPaddingAreSkipped) {
    for (size_t padding : {0, 1, 3, 6, 40}) {
        Bytes bytes(44, 'R');  // a RIFF header before the data: offsets count from 44
        Bytes tag = Id3Tag(300);
        bytes.insert(bytes.end(), tag.begin(), tag.end());
        bytes.resize(bytes.size() + padding, 0);
        Bytes frames = TwoFrames(Header{}, 417);
        bytes.insert(bytes.end(), frames.begin(), frames.end());
        Parsed p = Parse(bytes, 0, 44);
        EXPECT_EQ(p.result, kHeaderParsed) << padding;
        EXPECT_EQ(p.U16(kMp3BlockSize), 417) << padding;
        EXPECT_TRUE(p.boxes.empty()) << padding;
    }
}

TEST(MpegHeader, WhatIsNotMpeg) {
    Header freeFormat, badBitRate, badRate, noLayer;
    freeFormat.bitRate = 0;
    badBitRate.bitRate = 15;
    badRate.rate = 3;
    noLayer.layer = 0;
    Bytes late(1, 0);  // a frame at offset 1 without an ID3 tag
    Bytes frames = TwoFrames(Header{}, 417);
    late.insert(late.end(), frames.begin(), frames.end());
    Bytes id3PastEnd = Id3Tag(0);
    id3PastEnd[6] = 0x7F;
    Bytes id3PaddingToEnd = Id3Tag(20);
    id3PaddingToEnd.resize(id3PaddingToEnd.size() + 37, 0);
    const Bytes cases[] = {
        {},
        {0xFF, 0xFB, 0x90},
        {'I', 'D', '3', 3, 0, 0, 0, 0},
        late,
        id3PastEnd,
        id3PaddingToEnd,
        TwoFrames(freeFormat, 417, Header{}),
        TwoFrames(badBitRate, 417, Header{}),
        TwoFrames(badRate, 417, Header{}),
        TwoFrames(noLayer, 417, Header{}),
        {0xFF, 0xDB, 0x90, 0x00},  // sync 0xFFD
        {'R', 'I', 'F', 'F'},
    };
    for (const Bytes& bytes : cases) {
        Parsed p = Parse(bytes);
        EXPECT_EQ(p.result, kHeaderNotRecognised) << bytes.size();
        EXPECT_TRUE(p.record.empty() && p.dump.empty() && p.boxes.empty()) << bytes.size();
    }
}

TEST(MpegHeader, SecondFrameProblemsAreDiagnosticsAndTheRecordStands) {
    Header noLayer, badRate;
    noLayer.layer = 0;
    badRate.rate = 3;
    Bytes noSecond, cutSecond, cutFirst, badSync;
    AppendFrame(noSecond, Header{}, 417);
    AppendFrame(cutSecond, Header{}, 420);
    AppendFrame(cutFirst, Header{}, 200);
    AppendFrame(badSync, Header{}, 417);
    AppendWord(badSync, Header{}.Word() & 0x7FFFFFFF);
    const std::pair<const char*, Bytes> cases[] = {
        {"read", noSecond},
        {"read", cutSecond},
        {"read", cutFirst},
        {"fff", badSync},
        {"layer", TwoFrames(Header{}, 417, noLayer)},
        {"rate", TwoFrames(Header{}, 417, badRate)},
    };
    for (const auto& [text, bytes] : cases) {
        Parsed p = Parse(bytes, 1000000);
        EXPECT_EQ(p.result, kHeaderParsed) << text;
        EXPECT_EQ(p.Avg(), 16000u) << text;
        ASSERT_EQ(p.Texts(), std::vector<std::string>{text});
        EXPECT_EQ(p.boxes[0].caption, "");
        EXPECT_EQ(p.boxes[0].owner, BoxOwner::MainWindow);
    }
}

TEST(MpegHeader, ConstantOrVariableBitRate) {
    Header padded, joint, jointUpper, faster, slower, freeFormat;
    padded.padding = 1;
    joint.mode = 1;
    jointUpper = joint;
    jointUpper.modeExtension = 2;  // the upper mode-extension bit does not count
    faster.bitRate = 10;
    slower.bitRate = 5;
    freeFormat.bitRate = 0;
    struct Case {
        Header first, second;
        const char* kind;
        uint32_t avg;  // the larger of both frames' rates
    } cases[] = {
        {Header{}, padded, "CBR", 16000},  {padded, Header{}, "CBR", 16000},
        {joint, jointUpper, "CBR", 16000}, {Header{}, faster, "VBR", 20000},
        {Header{}, slower, "VBR", 16000},  {Header{}, freeFormat, "VBR", 16000},
    };
    for (const Case& c : cases) {
        Parsed p = Parse(TwoFrames(c.first, 417 + c.first.padding, c.second));
        EXPECT_EQ(p.result, kHeaderParsed);
        EXPECT_NE(p.dump.find(std::string("\r\n") + c.kind + "\r\n"), std::string::npos)
            << c.kind << c.avg;
        EXPECT_EQ(p.Avg(), c.avg);
    }
}

TEST(MpegHeader, XingFrameCountGivesTheByteRate) {
    Header mono, crc, mpeg2, mpeg2Mono, fastest;
    mono.mode = 3;
    crc.crc = true;
    mpeg2.version = kMpeg2;
    mpeg2.bitRate = 8;
    mpeg2Mono = mpeg2;
    mpeg2Mono.mode = 3;
    fastest.bitRate = 14;  // 320 kbit/s; index 15 after it has no bit rate
    // 1000 frames of 522 bytes at 20000 bytes/s last 26.1 s: 1000000 / 26.1.
    struct Case {
        Bytes bytes;
        uint32_t dataSize, avg;
        size_t boxes;
    } cases[] = {
        {XingStream(0x0F, 1000), 1000000, 38314, 0},
        {XingStream(3, 1000, mono, 417, 17), 1000000, 38314, 0},
        {XingStream(3, 1000, crc, 417, 34), 1000000, 38314, 0},
        {XingStream(3, 1000, mono, 417, 18), 1000000, 20000, 0},  // not at its place
        {XingStream(3, 1000, mpeg2, 208, 17), 1000000, 38314, 0},
        {XingStream(3, 1000, mpeg2Mono, 208, 9), 1000000, 38314, 0},
        {XingStream(1, 1000), 1000000, 38314, 1},  // no byte count: reported
        {XingStream(2, 1000), 1000000, 20000, 1},  // no frame count: nothing to use
        {XingStream(0, 1000), 1000000, 20000, 2},
        {XingStream(3, 0), 1000000, 20000, 0},  // zero frames, zero seconds
        {XingStream(3, 1000), 10, 20000, 0},    // under one byte a second
        {XingStream(3, 1), 0xFFFFFFFF, 2147483647, 0},
        {XingStream(3, 1000, fastest, 1044), 1000000, 40000, 0},
    };
    for (const Case& c : cases) {
        Parsed p = Parse(c.bytes, c.dataSize);
        EXPECT_EQ(p.result, kHeaderParsed);
        EXPECT_EQ(p.Avg(), c.avg) << c.bytes.size() << " " << c.dataSize;
        ASSERT_EQ(p.boxes.size(), c.boxes);
        for (const MessageBoxRequest& box : p.boxes) {
            EXPECT_EQ(box.text, "FLAG ERROR");
            EXPECT_EQ(box.caption, "Xing");
            EXPECT_EQ(box.owner, BoxOwner::None);
        }
    }
    // Two equal headers give no frame duration: the parsed rate stands.
    Bytes cbr;
    AppendFrame(cbr, Header{}, 417, 32, 3, 1000);
    AppendWord(cbr, Header{}.Word());
    Parsed p = Parse(cbr, 1000000);
    EXPECT_EQ(p.Avg(), 16000u);
    EXPECT_NE(p.dump.find("CBR\r\nXing\r\ntime=0.000000\r\n"), std::string::npos);
    EXPECT_EQ(p.dump.find("data="), std::string::npos);
}

TEST(MpegHeader, Dumps) {
    const std::string first =
        "SyncHead=fff\r\nID=1\r\nLayer=3\r\nErrorProtect=1\r\nBitRate=9\r\nSampleRate=0\r\n"
        "PadEnd=0\r\nExtension=0\r\nChannel=0\r\nModExtension=0\r\nCopyright=0\r\n"
        "Original=0\r\nEmphasis=0\r\n"
        "ID=1\r\nFlags=0\r\nBlock=417\r\nFrame=1\r\nDelay=1393\r\n";
    EXPECT_EQ(Parse(TwoFrames(Header{}, 417)).dump, first + "CBR\r\n");
    EXPECT_EQ(Parse(XingStream(0x0F, 1000), 1000000).dump,
              first +
                  "VBR\r\n"
                  "SyncHead=fff\r\nID=1\r\nLayer=3\r\nErrorProtect=1\r\nBitRate=a\r\n"
                  "SampleRate=0\r\nPadEnd=0\r\nExtension=0\r\nChannel=0\r\nModExtension=0\r\n"
                  "Copyright=0\r\nOriginal=0\r\nEmphasis=0\r\n"
                  "    3000\r\navg=20000\r\n"
                  "Xing\r\ntime=26.100000\r\navg=38314 data=1000000 time=26.100000");
    // Every field in its line: MPEG 2.5 Layer I, CRC, private, (c), original.
    Header h{kMpeg25, 1, true, 14, 2, 1, 2, 1};
    Bytes bytes;
    AppendWord(bytes, h.Word() | 1u << 8 | 1u << 3 | 1u << 2 | 2u);
    const std::string fields =
        "SyncHead=ffe\r\nID=0\r\nLayer=1\r\nErrorProtect=0\r\nBitRate=e\r\nSampleRate=2\r\n"
        "PadEnd=1\r\nExtension=1\r\nChannel=2\r\nModExtension=1\r\nCopyright=1\r\n"
        "Original=1\r\nEmphasis=2\r\n";
    EXPECT_EQ(Parse(bytes).dump.substr(0, fields.size()), fields);
}

TEST(MpegHeader, EveryTruncationOfATaggedXingStream) {
    Bytes full = Id3Tag(30);
    full.resize(full.size() + 3, 0);
    Bytes stream = XingStream(0x0F, 1000);
    full.insert(full.end(), stream.begin(), stream.end());
    const size_t headerEnd = 10 + 30 + 3 + 4;
    for (size_t n = 0; n <= full.size(); ++n) {
        Parsed p = Parse(Bytes(full.begin(), full.begin() + n), static_cast<uint32_t>(n));
        EXPECT_EQ(p.result, n < headerEnd ? kHeaderNotRecognised : kHeaderParsed) << n;
    }
}

}  // namespace
}  // namespace lomvex
