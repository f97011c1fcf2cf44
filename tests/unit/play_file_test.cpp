// Opening files by content: kinds, format records, data and every failure.
#include "audiofile/play_file.h"

#include <gtest/gtest.h>

#include "common/recording_sink.h"
#include "common/riff_builder.h"
#include "resources/ids.h"

namespace lomvex {
namespace {

using testing::Bytes;
using testing::Chunk;
using testing::PcmFormat;
using testing::Riff;

class FakeHost : public PlayFileHost {
   public:
    std::unique_ptr<RiffFile> OpenFile(const std::string&) override {
        if (!exists) return nullptr;
        return std::make_unique<MemoryRiffFile>(bytes);
    }
    void ShowFormat(const uint8_t* record, size_t size) override {
        formatShown.assign(record, record + size);
    }
    void ShowLength(uint32_t dataSize) override { lengthShown = dataSize; }
    unsigned QueryOutputFormat(const uint8_t* record, size_t) override {
        ++queries;
        queriedRate = U32Le(record + kFmtSamplesPerSec);
        return queryResult;
    }
    unsigned WindowsVersion() override { return version; }

    Bytes bytes;
    bool exists = true;
    unsigned queryResult = 0;
    unsigned version = 0x0601;
    int queries = 0;
    uint32_t queriedRate = 0;
    Bytes formatShown;
    int64_t lengthShown = -1;
};

// An MPEG-1 Layer III frame header, 44.1 kHz, 128 kbit/s, stereo, no CRC.
Bytes Mp3Frames(int count, uint8_t rateBits = 0x90) {
    Bytes out;
    for (int i = 0; i < count; ++i) {
        Bytes frame(417, 0);
        frame[0] = 0xFF;
        frame[1] = 0xFB;
        frame[2] = rateBits;
        frame[3] = 0x00;
        out.insert(out.end(), frame.begin(), frame.end());
    }
    return out;
}

// A first Ogg page whose one segment starts with `signature`.
Bytes OggPage(const Bytes& signature) {
    Bytes page(64, 0);
    page[0] = 'O', page[1] = 'g', page[2] = 'g', page[3] = 'S';
    page[5] = 2;
    page[26] = 1;
    page[27] = 30;
    std::copy(signature.begin(), signature.end(), page.begin() + 28);
    return page;
}

Bytes OggFile(uint8_t channels = 2, uint32_t rate = 44100) {
    Bytes page = OggPage({1, 'v', 'o', 'r', 'b', 'i', 's'});
    page[39] = channels;
    PutU32Le(&page[40], rate);
    PutU32Le(&page[48], 128000);
    return page;
}

class OpenPlayFileTest : public ::testing::Test {
   protected:
    bool Open(const Bytes& bytes, const std::string& path = "song.wav") {
        host.bytes = bytes;
        return OpenPlayFile(path, host, block, opened);
    }
    std::vector<std::string> Shown() const { return sink.Texts(); }
    static std::string Id(int id) { return "#" + std::to_string(id); }

    testing::RecordingSink sink;
    FakeHost host;
    VectorFormatBlock block;
    OpenedPlayFile opened;
};

TEST_F(OpenPlayFileTest, PcmWavesOfEveryShapeOpenAtTheirData) {
    for (uint16_t channels : {1, 2}) {
        for (uint16_t bits : {8, 16}) {
            for (uint32_t rate : {11025u, 22050u, 44100u, 48000u}) {
                ASSERT_TRUE(Open(testing::PcmWave(channels, rate, bits, 10)));
                FormatFields f = ReadFormatFields(block.Data());
                EXPECT_EQ(f.channels, channels);
                EXPECT_EQ(f.bitsPerSample, bits);
                EXPECT_EQ(f.samplesPerSec, rate);
                EXPECT_EQ(block.Size(), 16u);
                EXPECT_EQ(opened.kind, FileKind::Wav);
                EXPECT_EQ(opened.dataSize, 10u * channels * bits / 8);
                EXPECT_EQ(opened.remaining, opened.dataSize);
                EXPECT_EQ(opened.file->Tell(), 44u);
            }
        }
    }
    EXPECT_TRUE(Shown().empty());
    EXPECT_EQ(host.lengthShown, 40);
    EXPECT_EQ(host.formatShown.size(), 16u);
}

TEST_F(OpenPlayFileTest, ChunksAreFoundInAnyOrderPastOtherChunks) {
    Bytes samples = testing::RampSamples(2, 16, 5);
    Bytes wave =
        Riff("WAVE", {Chunk("LIST", Bytes(11, 'x')), Chunk("data", samples),
                      Chunk("fact", Bytes(4, 0)), Chunk("fmt ", PcmFormat(2, 44100, 16, true))});
    ASSERT_TRUE(Open(wave));
    EXPECT_EQ(block.Size(), 18u);
    EXPECT_EQ(opened.dataSize, 20u);
    uint8_t first[4];
    ASSERT_EQ(opened.file->Read(first, 4), 4u);
    EXPECT_EQ(Bytes(first, first + 4), Bytes(samples.begin(), samples.begin() + 4));
}

TEST_F(OpenPlayFileTest, ReportsEachFailureWithItsMessage) {
    struct Case {
        const char* name;
        Bytes bytes;
        int id;
    };
    Bytes fmt = Chunk("fmt ", PcmFormat(2, 44100, 16));
    Bytes data = Chunk("data", Bytes(8, 0));
    std::vector<Case> cases = {
        {"not riff, mpeg or ogg", Bytes(100, 0x11), IDS_NOT_WAVE_FILE},
        {"zero bytes", Bytes(), IDS_NOT_WAVE_FILE},
        {"other form without data", Riff("RMP3", {fmt}), IDS_NO_DATA},
        {"other form holding no mpeg", Riff("RMP3", {Chunk("data", Bytes(64, 1))}),
         IDS_NOT_WAVE_FILE},
        {"wave without fmt", Riff("WAVE", {data}), IDS_FILE_DESTROYED},
        {"fmt cut short", Riff("WAVE", {Chunk("fmt ", PcmFormat(2, 44100, 16), 40)}),
         IDS_CANT_READ_FMT},
        {"fmt shorter than pcm", Riff("WAVE", {Chunk("fmt ", Bytes(14, 1)), data}),
         IDS_CANT_READ_FMT},
        {"fmt over 65535", Riff("WAVE", {Chunk("fmt ", Bytes(70000, 1)), data}), IDS_CANT_READ_FMT},
        {"wave without data", Riff("WAVE", {fmt}), IDS_NO_DATA},
        {"empty data", Riff("WAVE", {fmt, Chunk("data", Bytes())}), IDS_DATA_EMPTY},
    };
    for (const Case& c : cases) {
        sink.boxes.clear();
        EXPECT_FALSE(Open(c.bytes)) << c.name;
        EXPECT_EQ(Shown(), std::vector<std::string>{Id(c.id)}) << c.name;
        EXPECT_EQ(sink.boxes[0].icon, BoxIcon::Exclamation);
        EXPECT_EQ(opened.file, nullptr) << c.name;
        EXPECT_EQ(block.Data(), nullptr) << c.name;
    }
}

// Every limit of the engine, for each kind of file, is refused with a
// message that says what is wrong, before the device is asked.
TEST_F(OpenPlayFileTest, FormatsTheEngineCannotPlayAreRefusedByTheirLimit) {
    struct Case {
        const char* name;
        Bytes bytes;
        int id;
    };
    Bytes data = Chunk("data", Bytes(8, 0));
    auto wave = [&](Bytes fmt) { return Riff("WAVE", {Chunk("fmt ", fmt), data}); };
    Bytes badBlock = PcmFormat(2, 44100, 16);
    PutU16Le(&badBlock[kFmtBlockAlign], 3);
    Bytes compressedNoBlock = PcmFormat(2, 44100, 4, true, 2);
    PutU16Le(&compressedNoBlock[kFmtBlockAlign], 0);
    std::vector<Case> cases = {
        {"pcm 0 channels", wave(PcmFormat(0, 44100, 16)), IDS_BAD_CHANNELS},
        {"pcm 3 channels", wave(PcmFormat(3, 44100, 16)), IDS_BAD_CHANNELS},
        {"compressed 6 channels", wave(PcmFormat(6, 44100, 4, true, 2)), IDS_BAD_CHANNELS},
        {"pcm rate 0", wave(PcmFormat(2, 0, 16)), IDS_BAD_RATE},
        {"pcm rate below 8000", wave(PcmFormat(1, 7999, 16)), IDS_BAD_RATE},
        {"pcm rate above 96000", wave(PcmFormat(2, 96001, 16)), IDS_BAD_RATE},
        {"compressed rate 4000", wave(PcmFormat(1, 4000, 4, true, 2)), IDS_BAD_RATE},
        {"pcm 24-bit", wave(PcmFormat(2, 44100, 24)), IDS_BAD_BITS},
        {"pcm 4-bit", wave(PcmFormat(1, 44100, 4)), IDS_BAD_BITS},
        {"pcm block not channels x bytes", wave(badBlock), IDS_BAD_BLOCK},
        {"compressed block 0", wave(compressedNoBlock), IDS_BAD_BLOCK},
        {"ogg vorbis 97 channels", OggFile(97, 44100), IDS_BAD_CHANNELS},
        {"ogg vorbis 67 Hz", OggFile(2, 67), IDS_BAD_RATE},
        {"ogg vorbis 192 kHz", OggFile(2, 192000), IDS_BAD_RATE},
    };
    for (const Case& c : cases) {
        sink.boxes.clear();
        host.queries = 0;
        EXPECT_FALSE(Open(c.bytes)) << c.name;
        EXPECT_EQ(Shown(), std::vector<std::string>{Id(c.id)}) << c.name;
        EXPECT_EQ(host.queries, 0) << c.name;
        EXPECT_EQ(opened.file, nullptr) << c.name;
        EXPECT_EQ(block.Data(), nullptr) << c.name;
    }
    for (const Bytes& edge : {wave(PcmFormat(1, 8000, 8)), wave(PcmFormat(2, 96000, 16))})
        EXPECT_TRUE(Open(edge));
}

// The file that crashed the program at start: an Ogg page holding FLAC,
// whose bytes at the Vorbis offsets read as 97 channels at 67 Hz.
TEST_F(OpenPlayFileTest, AnOggFileOfAnotherCodecIsRefusedByName) {
    Bytes flac =
        OggPage({0x7F, 'F', 'L',  'A',  'C',  1,    0,    0,    2,    'f',  'L', 'a', 'C', 0,
                 0,    0,   0x22, 0x12, 0x00, 0x12, 0x00, 0x00, 0x61, 0x43, 0,   0,   0,   0});
    ASSERT_EQ(flac[39], 97);
    for (const auto& [bytes, codec] : {std::pair<Bytes, std::string>{flac, "FLAC"},
                                       {OggPage({'O', 'p', 'u', 's', 'H', 'e', 'a', 'd'}), "Opus"},
                                       {OggPage({'x', 'y', 'z'}), "unknown"}}) {
        sink.boxes.clear();
        SetJapaneseMessages(false);
        EXPECT_FALSE(Open(bytes)) << codec;
        EXPECT_EQ(Shown(), std::vector<std::string>{Id(IDS_OGG_NOT_VORBIS)}) << codec;
        SetJapaneseMessages(true);
        EXPECT_FALSE(Open(bytes)) << codec;
        ASSERT_EQ(sink.boxes.size(), 2u);
        EXPECT_NE(sink.boxes[1].text.find(codec), std::string::npos) << codec;
        EXPECT_EQ(opened.file, nullptr);
    }
}

TEST_F(OpenPlayFileTest, NamesAndFilesThatCannotBeOpened) {
    EXPECT_FALSE(Open(testing::PcmWave(2, 44100, 16, 4), ""));
    EXPECT_FALSE(Open(testing::PcmWave(2, 44100, 16, 4), std::string(260, 'a')));
    host.exists = false;
    EXPECT_FALSE(Open(testing::PcmWave(2, 44100, 16, 4)));
    EXPECT_EQ(Shown(), (std::vector<std::string>{Id(IDS_FILE_NAME_MISSING), Id(IDS_PATH_TOO_LONG),
                                                 Id(IDS_CANT_OPEN_FILE)}));
}

TEST_F(OpenPlayFileTest, DeviceRefusalsNameTheirCause) {
    SetJapaneseMessages(true);
    for (unsigned result : {2u, 4u, 7u, 32u, 1u}) {
        host.queryResult = result;
        EXPECT_FALSE(Open(testing::PcmWave(2, 44100, 16, 4)));
    }
    ASSERT_EQ(sink.boxes.size(), 5u);
    EXPECT_EQ(host.lengthShown, 0);  // drawn before the message, before the data is found
    EXPECT_EQ(sink.boxes[3].text,
              "\x82\xB1\x82\xCC\x8C\x60\x8E\xAE\x82\xF0\x8D\xC4\x90\xB6"
              "\x82\xC5\x82\xAB\x82\xE9\x83\x68\x83\x89\x83\x43\x83\x6F"
              "\x82\xAA\x82\xA0\x82\xE8\x82\xDC\x82\xB9\x82\xF1\x81\x42");
}

TEST_F(OpenPlayFileTest, OldestShellsCheckOnlyPcmOrMono) {
    host.version = 0x030A;
    host.queryResult = 32;
    Bytes adpcm =
        Riff("WAVE", {Chunk("fmt ", PcmFormat(2, 44100, 4, true, 2)), Chunk("data", Bytes(8, 0))});
    EXPECT_TRUE(Open(adpcm));
    EXPECT_EQ(host.queries, 0);
    host.version = 0x035F;
    EXPECT_FALSE(Open(adpcm));
    EXPECT_EQ(host.queries, 1);
}

TEST_F(OpenPlayFileTest, RawMpegIsTheWholeFile) {
    Bytes mp3 = Mp3Frames(3);
    ASSERT_TRUE(Open(mp3, "song.mp3"));
    EXPECT_EQ(opened.kind, FileKind::Mp3);
    EXPECT_EQ(opened.dataSize, mp3.size());
    EXPECT_EQ(opened.file->Tell(), 0u);
    EXPECT_EQ(ReadFormatFields(block.Data()).tag, kTagMpegLayer3);
}

TEST_F(OpenPlayFileTest, A48kHzMpegIsCheckedAs44100AndKeeps48000) {
    ASSERT_TRUE(Open(Mp3Frames(2, 0x94), "song.mp3"));
    EXPECT_EQ(host.queriedRate, 44100u);
    EXPECT_EQ(ReadFormatFields(block.Data()).samplesPerSec, 48000u);
}

TEST_F(OpenPlayFileTest, RmpPlaysTheMpegOfItsDataChunk) {
    Bytes frames = Mp3Frames(2);
    Bytes rmp = Riff("RMP3", {Chunk("LIST", Bytes(6, 'i')), Chunk("data", frames)});
    ASSERT_TRUE(Open(rmp, "song.rmp"));
    EXPECT_EQ(opened.kind, FileKind::Rmp);
    EXPECT_EQ(opened.dataSize, frames.size());
    uint8_t header[2];
    ASSERT_EQ(opened.file->Read(header, 2), 2u);
    EXPECT_EQ(header[0], 0xFF);
}

TEST_F(OpenPlayFileTest, OggIsRecognisedAfterMpegDeclines) {
    ASSERT_TRUE(Open(OggFile(), "song.ogg"));
    EXPECT_EQ(opened.kind, FileKind::Ogg);
    EXPECT_EQ(ReadFormatFields(block.Data()).tag, kTagOggVorbis);
    EXPECT_EQ(opened.file->Tell(), 0u);
}

TEST_F(OpenPlayFileTest, AWaveIsNeverHandedToTheMpegParser) {
    Bytes fmt = PcmFormat(2, 44100, 16, true, kTagMpegLayer3);
    ASSERT_TRUE(Open(Riff("WAVE", {Chunk("fmt ", fmt), Chunk("data", Bytes(4, 0x33))})));
    EXPECT_EQ(opened.kind, FileKind::Wav);
    EXPECT_EQ(block.Size(), 18u);
}

TEST_F(OpenPlayFileTest, TruncatedAndCorruptFilesFailSafely) {
    Bytes whole =
        Riff("WAVE", {Chunk("fmt ", PcmFormat(2, 44100, 16)), Chunk("data", Bytes(40, 9))});
    for (size_t cut = 0; cut < whole.size(); ++cut) {
        Open(Bytes(whole.begin(), whole.begin() + cut));
    }
    Bytes hugeData = Riff(
        "WAVE", {Chunk("fmt ", PcmFormat(2, 44100, 16)), Chunk("data", Bytes(4, 0), 0xFFFFFFF0)});
    EXPECT_TRUE(Open(hugeData));
    EXPECT_EQ(opened.dataSize, 0xFFFFFFF0u);
    Bytes hugeChunk = Riff(
        "WAVE", {Chunk("JUNK", Bytes(2, 0), 0xFFFFFFFF), Chunk("fmt ", PcmFormat(2, 44100, 16))});
    EXPECT_FALSE(Open(hugeChunk));
}

}  // namespace
}  // namespace lomvex
