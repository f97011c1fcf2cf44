// Ogg Vorbis without a platform codec: the whole-file decode handed out in
// step with the file reads, and the reader's check that such a file
// decodes and that the device takes its PCM.
#include "audiofile/decoded_vorbis.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <string>
#include <vector>

#include "audiofile/play_file.h"
#include "common/file_bytes.h"
#include "common/recording_sink.h"
#include "resources/ids.h"

namespace lomvex {
namespace {

using Bytes = std::vector<uint8_t>;

class DecodedVorbisTest : public ::testing::Test {
   protected:
    static void SetUpTestSuite() {
        dir_ = testing::NewTempDir("lomvex_decoded_vorbis");
        ASSERT_FALSE(dir_.empty());
        std::string commands =
            "cd " + dir_ +
            " && sox -n -r 44100 -c 2 -b 16 tone.wav synth 0.7 sine 440"
            " sine 550 gain -6 && oggenc --quiet -c TITLE=Tone -o tone.ogg tone.wav"
            " && sox -n -r 16000 -c 1 -b 16 mono.wav synth 0.3 sine 300"
            " && oggenc --quiet -o mono.ogg mono.wav";
        ASSERT_EQ(std::system(commands.c_str()), 0) << "needs sox and vorbis-tools";
        tone_ = testing::FileBytes(dir_ + "/tone.ogg");
        mono_ = testing::FileBytes(dir_ + "/mono.ogg");
    }
    static void TearDownTestSuite() { std::system(("rm -rf " + dir_).c_str()); }

    static std::vector<int16_t> DecoderSamples(const Bytes& file) {
        VorbisOpen open;
        auto decoder = VorbisDecoder::Open(file, open);
        std::vector<int16_t> out, buffer(1024 * 2);
        while (size_t frames = decoder->Read(buffer.data(), 1024))
            out.insert(out.end(), buffer.begin(), buffer.begin() + frames * decoder->Channels());
        return out;
    }

    static std::string dir_;
    static Bytes tone_, mono_;
};

std::string DecodedVorbisTest::dir_;
Bytes DecodedVorbisTest::tone_, DecodedVorbisTest::mono_;

// Reads of `step` file bytes, as the engine makes them, until the file's
// length is read; the shares joined.
std::vector<int16_t> ReadInSteps(DecodedVorbis& sound, uint32_t fileBytes, uint32_t step) {
    std::vector<int16_t> out;
    std::vector<uint8_t> buffer(sound.LargestShare(step) + 64, 0xEE);
    for (uint32_t read = 0; read < fileBytes; read += step) {
        const uint32_t n = std::min(step, fileBytes - read);
        const uint32_t got = sound.TakeShare(n, buffer.data());
        EXPECT_LE(got, sound.LargestShare(step));
        EXPECT_EQ(got % sound.BlockAlign(), 0u);
        EXPECT_EQ(buffer[sound.LargestShare(step)], 0xEE) << "written past the largest share";
        const int16_t* samples = reinterpret_cast<const int16_t*>(buffer.data());
        out.insert(out.end(), samples, samples + got / 2);
    }
    return out;
}

TEST_F(DecodedVorbisTest, ReadsOfAnySizeGiveTheWholeDecodeOnceAndInOrder) {
    const std::vector<int16_t> expected = DecoderSamples(tone_);
    ASSERT_EQ(expected.size(), 2u * 30870);  // 0.7 s
    std::unique_ptr<DecodedVorbis> sound;
    VorbisOpen open;
    ASSERT_EQ(DecodedVorbis::Decode(tone_, sound, open), VorbisDecode::Decoded);
    EXPECT_EQ(sound->Channels(), 2);
    EXPECT_EQ(sound->Rate(), 44100u);
    EXPECT_EQ(sound->Frames(), 30870u);
    const uint32_t fileBytes = static_cast<uint32_t>(tone_.size());
    for (uint32_t step : {1u, 777u, 4096u, fileBytes - 1, fileBytes, 3 * fileBytes}) {
        sound->Restart();
        EXPECT_EQ(ReadInSteps(*sound, fileBytes, step), expected) << "step " << step;
    }
    // Past the end nothing more comes.
    uint8_t spare[8];
    EXPECT_EQ(sound->TakeShare(100, spare), 0u);
}

TEST_F(DecodedVorbisTest, MonoAndChainedFiles) {
    std::unique_ptr<DecodedVorbis> sound;
    VorbisOpen open;
    ASSERT_EQ(DecodedVorbis::Decode(mono_, sound, open), VorbisDecode::Decoded);
    EXPECT_EQ(sound->BlockAlign(), 2u);
    EXPECT_EQ(sound->Frames(), 4800u);
    EXPECT_EQ(ReadInSteps(*sound, static_cast<uint32_t>(mono_.size()), 500), DecoderSamples(mono_));

    Bytes chained = tone_;
    chained.insert(chained.end(), mono_.begin(), mono_.end());
    EXPECT_EQ(DecodedVorbis::Decode(chained, sound, open), VorbisDecode::Refused);
    EXPECT_EQ(open, VorbisOpen::Chained);
    EXPECT_EQ(sound, nullptr);
}

// The decoder sizes its comment list and strings by what the comment
// header claims: claims beyond the packet are refused before it reads them.
TEST_F(DecodedVorbisTest, CommentCountsAndLengthsBeyondTheirPacketAreDamage) {
    const uint8_t signature[] = {3, 'v', 'o', 'r', 'b', 'i', 's'};
    const size_t header =
        std::search(tone_.begin(), tone_.end(), std::begin(signature), std::end(signature)) -
        tone_.begin();
    ASSERT_LT(header, tone_.size());
    const size_t count = header + 11 + U32Le(&tone_[header + 7]);
    ASSERT_GE(U32Le(&tone_[count]), 1u) << "the title comment";
    for (const auto& [at, value] :
         {std::pair{count, 0x40000000u}, std::pair{count + 4, 0x7FFFFFFFu},
          std::pair{count + 4, 0xFFFFFFFFu}}) {
        Bytes bytes = tone_;
        PutU32Le(&bytes[at], value);
        std::unique_ptr<DecodedVorbis> sound;
        VorbisOpen open;
        EXPECT_EQ(DecodedVorbis::Decode(bytes, sound, open), VorbisDecode::Refused) << value;
        EXPECT_EQ(open, VorbisOpen::Damaged);
    }
}

// A host without a Vorbis codec: the device refuses every record that is
// not PCM.
class NoCodecHost : public PlayFileHost {
   public:
    std::unique_ptr<RiffFile> OpenFile(const std::string&) override {
        return std::make_unique<MemoryRiffFile>(bytes);
    }
    void ShowFormat(const uint8_t* record, size_t) override {
        shownTag = ReadFormatFields(record).tag;
    }
    void ShowLength(uint32_t dataSize) override { lengthShown = dataSize; }
    unsigned QueryOutputFormat(const uint8_t* record, size_t) override {
        FormatFields f = ReadFormatFields(record);
        queried.push_back(f);
        return f.tag == kTagPcm ? pcmResult : 32;  // WAVERR_BADFORMAT
    }
    unsigned WindowsVersion() override { return 0x0601; }

    Bytes bytes;
    unsigned pcmResult = 0;
    uint16_t shownTag = 0;
    int64_t lengthShown = -1;
    std::vector<FormatFields> queried;
};

TEST_F(DecodedVorbisTest, WithoutACodecTheReaderOpensAVorbisFileWhoseSoundTheDeviceTakes) {
    testing::RecordingSink sink;
    NoCodecHost host;
    host.bytes = mono_;
    VectorFormatBlock block;
    OpenedPlayFile opened;
    ASSERT_TRUE(OpenPlayFile("song.ogg", host, block, opened));
    EXPECT_TRUE(sink.boxes.empty());
    EXPECT_EQ(opened.kind, FileKind::Ogg);
    // The record, the panel and the data stay the Ogg file's own.
    EXPECT_EQ(ReadFormatFields(block.Data()).tag, kTagOggVorbis);
    EXPECT_EQ(host.shownTag, kTagOggVorbis);
    EXPECT_EQ(opened.dataSize, mono_.size());
    EXPECT_EQ(opened.file->Tell(), 0u);
    ASSERT_EQ(host.queried.size(), 2u);
    const FormatFields& pcm = host.queried[1];
    EXPECT_EQ(pcm.tag, kTagPcm);
    EXPECT_EQ(pcm.channels, 1);
    EXPECT_EQ(pcm.samplesPerSec, 16000u);
    EXPECT_EQ(pcm.bitsPerSample, 16);
    EXPECT_EQ(pcm.blockAlign, 2);

    host.pcmResult = 32;
    EXPECT_FALSE(OpenPlayFile("song.ogg", host, block, opened));
    EXPECT_EQ(sink.boxes.size(), 1u);
    EXPECT_EQ(opened.file, nullptr);
}

TEST_F(DecodedVorbisTest, WithoutACodecChainedAndDamagedFilesAreRefusedByName) {
    Bytes chained = tone_;
    chained.insert(chained.end(), mono_.begin(), mono_.end());
    Bytes damaged = tone_;
    for (size_t i = 80; i < 400; ++i) damaged[i] = 0x55;
    for (const auto& [bytes, id] :
         {std::pair{chained, IDS_OGG_CHAINED}, std::pair{damaged, IDS_OGG_DAMAGED}}) {
        testing::RecordingSink sink;
        NoCodecHost host;
        host.bytes = bytes;
        VectorFormatBlock block;
        OpenedPlayFile opened;
        EXPECT_FALSE(OpenPlayFile("song.ogg", host, block, opened));
        EXPECT_EQ(sink.Texts(), std::vector<std::string>{"#" + std::to_string(id)});
        EXPECT_EQ(opened.file, nullptr);
        EXPECT_EQ(block.Data(), nullptr);
    }
}

}  // namespace
}  // namespace lomvex
