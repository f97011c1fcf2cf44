// Ogg Vorbis recognition: the record built from the first page, the dump,
// and what makes data "not Ogg" (cut pages, offsets past the end, no
// channels or no rate).
#include "audiofile/ogg_header.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "audiofile/byte_source.h"
#include "audiofile/format_record.h"

namespace lomvex {
namespace {

using Bytes = std::vector<uint8_t>;

class NoMemoryBlock : public FormatBlock {
   public:
    uint8_t* Acquire(size_t) override { return nullptr; }
    void Release() override {}
    uint8_t* Data() override { return nullptr; }
    size_t Size() const override { return 0; }
};

// A first Ogg page holding one Vorbis identification packet (58 bytes).
Bytes FirstPage(uint8_t channels, uint32_t rate, uint32_t nominalBitRate) {
    Bytes page = {'O', 'g', 'g', 'S', 0, 2};  // version, first page
    page.resize(26, 0);                       // granule, serial, seq, crc
    page.push_back(1);                        // one segment
    page.push_back(30);                       // of 30 bytes
    const uint8_t signature[] = {1, 'v', 'o', 'r', 'b', 'i', 's'};
    page.insert(page.end(), signature, signature + 7);
    page.resize(page.size() + 4, 0);  // Vorbis version
    page.push_back(channels);
    uint8_t field[4];
    PutU32Le(field, rate);
    page.insert(page.end(), field, field + 4);
    PutU32Le(field, 0);  // maximum bit rate
    page.insert(page.end(), field, field + 4);
    PutU32Le(field, nominalBitRate);
    page.insert(page.end(), field, field + 4);
    page.resize(page.size() + 6, 0);  // minimum, block sizes, framing
    return page;
}

struct Parsed {
    int result = -1;
    FormatFields fields;
    Bytes record;
    std::string dump;
};

Parsed Parse(const Bytes& bytes, uint32_t offset = 0) {
    MemoryByteSource source(bytes);
    VectorFormatBlock block;
    Parsed p;
    p.result = ParseOggHeader(source, block, offset, &p.dump);
    if (block.Data()) {
        p.record.assign(block.Data(), block.Data() + block.Size());
        p.fields = ReadFormatFields(block.Data());
    }
    return p;
}

TEST(OggHeader, RecordFromTheFirstPage) {
    Bytes page = FirstPage(2, 44100, 128000);
    ASSERT_EQ(page[39], 2);  // the fixed offsets match a real first page
    Parsed p = Parse(page);
    ASSERT_EQ(p.result, kHeaderParsed);
    ASSERT_EQ(p.record.size(), kOggRecordSize);
    EXPECT_EQ(p.fields.tag, 0x674F);
    EXPECT_EQ(p.fields.channels, 2);
    EXPECT_EQ(p.fields.samplesPerSec, 44100u);
    EXPECT_EQ(p.fields.avgBytesPerSec, 16000u);
    EXPECT_EQ(p.fields.blockAlign, 4);
    EXPECT_EQ(p.fields.bitsPerSample, 16);
    EXPECT_EQ(U16Le(&p.record[kFmtCbSize]), 8);
    EXPECT_EQ(U32Le(&p.record[kOggCodecWord1]), 0x20001214u);
    EXPECT_EQ(U32Le(&p.record[kOggCodecWord2]), 0x20001031u);
    EXPECT_EQ(p.dump, "freq=44100\r\nrate=128000\r\nchannel=2\r\n");

    // At an offset, mono.
    Bytes bytes(100, 'j');
    page = FirstPage(1, 22050, 64000);
    bytes.insert(bytes.end(), page.begin(), page.end());
    p = Parse(bytes, 100);
    EXPECT_EQ(p.fields.blockAlign, 2);
    EXPECT_EQ(p.fields.avgBytesPerSec, 8000u);

    MemoryByteSource source(page);
    NoMemoryBlock noMemory;
    EXPECT_EQ(ParseOggHeader(source, noMemory, 0, nullptr), kHeaderNoMemory);
}

TEST(OggHeader, UnsetNominalBitRatesGiveAZeroByteRate) {
    // Vorbis leaves the nominal rate 0 or negative when the encoder sets none.
    for (uint32_t nominal : {0u, 0xFFFFFFFFu, 0xFFFFFFF0u, 0x80000000u}) {
        Parsed p = Parse(FirstPage(2, 44100, nominal));
        EXPECT_EQ(p.result, kHeaderParsed);
        EXPECT_EQ(p.fields.avgBytesPerSec, 0u) << nominal;
    }
    EXPECT_EQ(Parse(FirstPage(2, 44100, 0xFFFFFFFF)).dump,
              "freq=44100\r\nrate=4294967295\r\nchannel=2\r\n");
}

TEST(OggHeader, WhatIsNotAUsableFirstPage) {
    Bytes page = FirstPage(2, 44100, 128000);
    Bytes wrongCapture = page;
    wrongCapture[3] = 's';
    std::vector<std::pair<Bytes, uint32_t>> cases = {
        {wrongCapture, 0},
        {FirstPage(0, 44100, 128000), 0},  // no channels
        {FirstPage(2, 0, 128000), 0},      // no rate
        {page, 1},
        {page, static_cast<uint32_t>(page.size())},
        {page, 0xFFFFFFF0u},
    };
    for (size_t n = 0; n < 52; ++n) cases.push_back({Bytes(page.begin(), page.begin() + n), 0});
    for (const auto& [bytes, offset] : cases) {
        Parsed p = Parse(bytes, offset);
        EXPECT_EQ(p.result, kHeaderNotRecognised) << bytes.size() << " at " << offset;
        EXPECT_TRUE(p.record.empty() && p.dump.empty());
    }
    EXPECT_EQ(Parse(Bytes(page.begin(), page.begin() + 52)).result, kHeaderParsed);
}

}  // namespace
}  // namespace lomvex
