// The encoded span of a tagged MP3's decoded sound, cut from buffers of any
// size, and the reader that finds the tag behind an ID3v2 tag.
#include "audiofile/gapless_span.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <numeric>
#include <string>
#include <vector>

#include "audiofile/play_file.h"
#include "common/file_bytes.h"
#include "common/recording_sink.h"
#include "common/riff_builder.h"

namespace lomvex {
namespace {

using Bytes = std::vector<uint8_t>;

TEST(GaplessSpan, SkipsTheTagFrameBothDelaysAndKeepsTheEncodedSamples) {
    GaplessInfo info;
    info.frames = 59;
    info.samplesPerFrame = 1152;
    info.delay = 576;
    info.padding = 1392;
    const GaplessSpan span = DecodedSpan(info);
    EXPECT_EQ(span.skipFrames, 1152u + 529 + 576);  // 2257, as measured under Wine
    EXPECT_EQ(span.keepFrames, 66000u);
}

// Numbered 16-bit stereo frames 0..count-1 (both channels the number).
Bytes NumberedFrames(uint32_t first, uint32_t count) {
    Bytes bytes;
    for (uint32_t i = first; i < first + count; ++i)
        for (int channel = 0; channel < 2; ++channel) {
            bytes.push_back(static_cast<uint8_t>(i));
            bytes.push_back(static_cast<uint8_t>(i >> 8));
        }
    return bytes;
}

TEST(GaplessSpan, TheCutterKeepsExactlyTheSpanWhateverTheBufferSizes) {
    const GaplessSpan span{1000, 3000};
    for (uint32_t step : {1u, 7u, 999u, 1000u, 1152u, 4000u, 9000u}) {
        PcmSpanCutter cutter(span, 4);
        Bytes kept;
        for (uint32_t at = 0; at < 5000; at += step) {
            Bytes buffer = NumberedFrames(at, std::min(step, 5000 - at));
            const uint32_t n = cutter.Cut(buffer.data(), static_cast<uint32_t>(buffer.size()));
            kept.insert(kept.end(), buffer.begin(), buffer.begin() + n);
        }
        EXPECT_EQ(kept, NumberedFrames(1000, 3000)) << "step " << step;
        cutter.Restart();
        Bytes again = NumberedFrames(0, 1200);
        EXPECT_EQ(cutter.Cut(again.data(), static_cast<uint32_t>(again.size())), 200u * 4);
    }
    Bytes untouched = NumberedFrames(0, 10);
    EXPECT_EQ(PcmSpanCutter().Cut(untouched.data(), 40), 40u);
    EXPECT_EQ(untouched, NumberedFrames(0, 10));
}

// After a jump the restarted codec's lag is dropped up to the asked
// sample, and the song's end is still cut where it was; an untagged file's
// cutter drops the lag as well.
TEST(GaplessSpan, AMovedCutterDropsTheLagAndKeepsTheSongsEnd) {
    PcmSpanCutter cutter(GaplessSpan{1000, 3000}, 4);
    cutter.MoveTo(2304u * 4, 3000u * 4);
    Bytes buffer = NumberedFrames(2304, 2000);
    const uint32_t n = cutter.Cut(buffer.data(), static_cast<uint32_t>(buffer.size()));
    EXPECT_EQ(Bytes(buffer.begin(), buffer.begin() + n), NumberedFrames(3000, 1000));
    PcmSpanCutter plain;
    plain.MoveTo(1152u * 4, 1700u * 4);
    Bytes untagged = NumberedFrames(1152, 1000);
    const uint32_t kept = plain.Cut(untagged.data(), static_cast<uint32_t>(untagged.size()));
    EXPECT_EQ(Bytes(untagged.begin(), untagged.begin() + kept), NumberedFrames(1700, 452));
    Bytes next = NumberedFrames(2152, 10);
    EXPECT_EQ(plain.Cut(next.data(), 40), 40u);
    EXPECT_EQ(next, NumberedFrames(2152, 10));
}

class GaplessReaderTest : public ::testing::Test {
   protected:
    static void SetUpTestSuite() {
        dir_ = testing::NewTempDir("lomvex_gapless");
        ASSERT_FALSE(dir_.empty());
        std::string commands = "cd " + dir_ +
                               " && sox -n -r 44100 -c 2 -b 16 tone.wav synth 0.5 sine 440"
                               " && lame --quiet -b 128 tone.wav tone.mp3"
                               " && lame --quiet -b 128 -t tone.wav plain.mp3"
                               " && lame --quiet -b 128 --id3v2-only --tt Song"
                               " --pad-id3v2-size 300 tone.wav id3.mp3";
        ASSERT_EQ(std::system(commands.c_str()), 0) << "needs sox and lame";
    }
    static void TearDownTestSuite() { std::system(("rm -rf " + dir_).c_str()); }

    // Opens `bytes` as a file whose device takes every format.
    class AnyDevice : public PlayFileHost {
       public:
        explicit AnyDevice(Bytes bytes) : bytes_(std::move(bytes)) {}
        std::unique_ptr<RiffFile> OpenFile(const std::string&) override {
            return std::make_unique<MemoryRiffFile>(bytes_);
        }
        void ShowFormat(const uint8_t*, size_t) override {}
        void ShowLength(uint32_t) override {}
        unsigned QueryOutputFormat(const uint8_t*, size_t) override { return 0; }
        unsigned WindowsVersion() override { return 0x0601; }

       private:
        Bytes bytes_;
    };
    static OpenedPlayFile Open(const Bytes& bytes) {
        testing::RecordingSink sink;
        AnyDevice host(bytes);
        VectorFormatBlock block;
        OpenedPlayFile opened;
        EXPECT_TRUE(OpenPlayFile("song.mp3", host, block, opened));
        EXPECT_TRUE(sink.boxes.empty());
        return opened;
    }
    static Bytes File(const char* name) { return testing::FileBytes(dir_ + "/" + name); }
    static std::string dir_;
};

std::string GaplessReaderTest::dir_;

TEST_F(GaplessReaderTest, TheTagIsFoundInRawWrappedAndId3TaggedFilesOnly) {
    const OpenedPlayFile raw = Open(File("tone.mp3"));
    ASSERT_TRUE(raw.gapless);
    EXPECT_EQ(raw.gaplessInfo.EncodedSamples(), 22050u);
    EXPECT_EQ(raw.file->Tell(), 0u);
    EXPECT_EQ(raw.dataSize, File("tone.mp3").size());

    const OpenedPlayFile id3 = Open(File("id3.mp3"));
    ASSERT_TRUE(id3.gapless);
    EXPECT_EQ(id3.gaplessInfo.EncodedSamples(), 22050u);

    const OpenedPlayFile wrapped =
        Open(testing::Riff("RMP3", {testing::Chunk("data", File("tone.mp3"))}));
    EXPECT_EQ(wrapped.kind, FileKind::Rmp);
    ASSERT_TRUE(wrapped.gapless);
    EXPECT_EQ(wrapped.gaplessInfo.delay, raw.gaplessInfo.delay);
    EXPECT_EQ(wrapped.file->Tell(), 20u);

    EXPECT_FALSE(Open(File("plain.mp3")).gapless);
}

}  // namespace
}  // namespace lomvex
