// Compressed songs saved through the real program: Ogg Vorbis decoded by
// the program itself where Wine has no codec, a damaged Ogg file refused,
// and a LAME MP3 saved without the encoder's and decoder's delay.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstdio>
#include <cstdint>
#include <string>
#include <vector>

#include "e2e/e2e_support.h"
#include "resources/ids.h"

namespace lomvex::e2e {
namespace {

// The correlation of `a` against `b` shifted by `lag` samples, over the
// samples both have.
double Correlation(const std::vector<int16_t>& a, const std::vector<int16_t>& b, long lag) {
    double ab = 0, aa = 0, bb = 0;
    for (long i = 0; i < static_cast<long>(a.size()); ++i) {
        const long j = i - lag;
        if (j < 0 || j >= static_cast<long>(b.size())) continue;
        const double x = a[i], y = b[j];
        ab += x * y;
        aa += x * x;
        bb += y * y;
    }
    return aa > 0 && bb > 0 ? ab / std::sqrt(aa * bb) : 0;
}

// The lag in samples (interleaved: a whole number of frames of `channels`)
// at which `saved` follows `source` best, searched up to `most` frames.
long BestLag(const std::vector<int16_t>& saved, const std::vector<int16_t>& source, long channels,
             long most) {
    long best = 0;
    double bestCorrelation = -2;
    for (long lag = -channels * most; lag <= channels * most; lag += channels) {
        const double c = Correlation(saved, source, lag);
        if (c > bestCorrelation) bestCorrelation = c, best = lag;
    }
    return best;
}

class FormatsTest : public SongTest {
   protected:
    void SaveTo(const std::string& target) {
        program_.PostCommand(IDM_SAVE);
        ASSERT_TRUE(program_.AnswerFileDialog("Save", target));
        ASSERT_TRUE(WaitUntil(
            [&] { return ReadSavedWave(target).valid && program_.IsEnabled(IDM_PLAY); }, 30000));
    }
};

TEST_F(FormatsTest, AnOggFileSavesAsTheReferenceDecoderDecodesIt) {
    StartOn("tone.ogg", ReadBytes(WindowsPath(LOMVEX_TEST_DATA "/tone.ogg")), {{"mado", "2"}});
    const std::string target = folder_ + "\\tone_MO.WAV";
    SaveTo(target);
    const SavedWave saved = ReadSavedWave(target);
    const SavedWave reference = ReadSavedWave(WindowsPath(LOMVEX_TEST_DATA "/tone_ogg_ref.wav"));
    ASSERT_TRUE(reference.valid);
    EXPECT_EQ(saved.tag, 1);
    EXPECT_EQ(saved.bits, 16);
    EXPECT_EQ(saved.channels, 2);
    EXPECT_EQ(saved.rate, 44100u);
    EXPECT_EQ(saved.samples.size(), reference.samples.size());
    EXPECT_GE(Correlation(saved.samples, reference.samples, 0), 0.999);
}

TEST_F(FormatsTest, ADamagedOggFileIsRefusedAndTheProgramRuns) {
    Bytes bytes = ReadBytes(WindowsPath(LOMVEX_TEST_DATA "/tone.ogg"));
    ASSERT_GT(bytes.size(), 400u);
    // The first page (the identification header) stays; the pages of the
    // other headers are overwritten.
    for (size_t i = 80; i < 400; ++i) bytes[i] = 0x55;
    const std::string folder = ProfileWith("damagedogg");
    const std::string song = folder + "\\damaged.ogg";
    ASSERT_TRUE(WriteBytes(song, bytes));
    LomvexProcess program;
    ASSERT_TRUE(program.Start("\"" + song + "\"", folder));
    MessageBoxInfo box = program.FindMessageBox();
    ASSERT_NE(box.window, nullptr);
    EXPECT_NE(box.text.find("damaged"), std::string::npos) << box.text;
    LomvexProcess::Answer(box);
    ASSERT_NE(program.MainWindow(), nullptr);
    program.Close();
    EXPECT_EQ(program.WaitForExit(), 0);
}

struct GaplessCase {
    const char* name;
    const char* mp3;
    const char* wav;
};

class GaplessTest : public FormatsTest, public ::testing::WithParamInterface<GaplessCase> {};

// MPEG-1 at 44.1 kHz stereo and MPEG-2 at 22.05 kHz mono: the saved sound
// starts with the source's first sample and is exactly as long.
TEST_P(GaplessTest, ALameMp3SavesAlignedWithItsSourceAndAsLong) {
    const std::string data = LOMVEX_TEST_DATA;
    StartOn("noise.mp3", ReadBytes(WindowsPath(data + "/" + GetParam().mp3)), {{"mado", "2"}});
    const std::string target = folder_ + "\\noise_MO.WAV";
    SaveTo(target);
    const SavedWave saved = ReadSavedWave(target);
    const SavedWave source = ReadSavedWave(WindowsPath(data + "/" + GetParam().wav));
    ASSERT_TRUE(source.valid);
    ASSERT_EQ(saved.channels, source.channels);
    const long channels = source.channels;
    const long lag = BestLag(saved.samples, source.samples, channels, 3000);
    const long extra =
        (static_cast<long>(saved.samples.size()) - static_cast<long>(source.samples.size())) /
        channels;
    std::printf("%s saved: lag %ld frames, length %+ld frames\n", GetParam().mp3, lag / channels,
                extra);
    EXPECT_EQ(lag, 0);
    EXPECT_LE(std::labs(extra), 1);
    // Below 1 by what the encoder's low-pass takes from the noise.
    EXPECT_GE(Correlation(saved.samples, source.samples, 0), 0.95);
}

INSTANTIATE_TEST_SUITE_P(LameTagged, GaplessTest,
                         ::testing::Values(GaplessCase{"Mpeg1", "gapless.mp3", "noise.wav"},
                                           GaplessCase{"Mpeg2", "gapless22.mp3", "noise22.wav"}),
                         [](const ::testing::TestParamInfo<GaplessCase>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
}  // namespace lomvex::e2e
