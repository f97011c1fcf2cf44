// The encoder's delay and padding from the LAME tag of a lame-made MP3, and
// tags whose numbers do not fit the file.
#include "audiofile/lame_tag.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "common/file_bytes.h"

namespace lomvex {
namespace {

using Bytes = std::vector<uint8_t>;

void PutBe(Bytes& bytes, size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<uint8_t>(value >> (24 - 8 * i));
}

class LameTagTest : public ::testing::Test {
   protected:
    static void SetUpTestSuite() {
        dir_ = testing::NewTempDir("lomvex_lame");
        ASSERT_FALSE(dir_.empty());
        std::string commands = "cd " + dir_ +
                               " && sox -n -r 44100 -c 2 -b 16 tone.wav synth 1.3 sine 440"
                               " && lame --quiet -b 128 tone.wav tone.mp3"
                               " && lame --quiet -b 128 -t tone.wav plain.mp3";
        ASSERT_EQ(std::system(commands.c_str()), 0) << "needs sox and lame";
        file_ = testing::FileBytes(dir_ + "/tone.mp3");
    }
    static bool Read(const Bytes& bytes, GaplessInfo& info) {
        MemoryByteSource source(bytes);
        return ReadLameTag(source, 0, static_cast<uint32_t>(bytes.size()), info);
    }
    static void TearDownTestSuite() { std::system(("rm -rf " + dir_).c_str()); }
    static std::string dir_;
    static Bytes file_;
};

std::string LameTagTest::dir_;
Bytes LameTagTest::file_;

TEST_F(LameTagTest, ReadsDelayAndPaddingThatGiveTheSourceLength) {
    GaplessInfo info;
    ASSERT_TRUE(Read(file_, info));
    EXPECT_EQ(info.samplesPerFrame, 1152u);
    EXPECT_EQ(info.tagFrameBytes, 417u);
    EXPECT_GT(info.delay, 0u);
    EXPECT_EQ(info.EncodedSamples(), 57330u);  // 1.3 s at 44.1 kHz
}

TEST_F(LameTagTest, FilesWithoutATagOrWithNumbersBeyondTheFileAreRefused) {
    GaplessInfo info;
    EXPECT_FALSE(Read(testing::FileBytes(dir_ + "/plain.mp3"), info));
    // The tag sits after the 32 bytes of side information; its frame count
    // at +8, its byte count at +12.
    const size_t tag = 4 + 32;
    Bytes moreFrames = file_;
    PutBe(moreFrames, tag + 8, static_cast<uint32_t>(file_.size()));
    EXPECT_FALSE(Read(moreFrames, info));
    Bytes moreBytes = file_;
    PutBe(moreBytes, tag + 12, static_cast<uint32_t>(file_.size() + 1));
    EXPECT_FALSE(Read(moreBytes, info));
    Bytes noFrames = file_;
    PutBe(noFrames, tag + 8, 0);
    EXPECT_FALSE(Read(noFrames, info));
    Bytes longDelay = file_;
    PutBe(longDelay, tag + 8, 1);  // one frame cannot hold delay and padding
    EXPECT_FALSE(Read(longDelay, info));
    EXPECT_FALSE(Read(Bytes(file_.begin(), file_.begin() + 200), info));
}

}  // namespace
}  // namespace lomvex
