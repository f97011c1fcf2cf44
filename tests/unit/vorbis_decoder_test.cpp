// Ogg Vorbis through stb_vorbis: a stream made by oggenc decodes close to
// its source and as long as oggdec's decode; cut, chained and foreign
// streams end or are refused without reading past the data.
#include "audiofile/vorbis_decoder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "audiofile/byte_source.h"

#include "common/file_bytes.h"

namespace lomvex {
namespace {

using Bytes = std::vector<uint8_t>;

// The 16-bit samples of a WAV file's "data" chunk.
std::vector<int16_t> WavSamples(const std::string& path) {
    Bytes file = testing::FileBytes(path);
    for (size_t at = 12; at + 8 <= file.size();) {
        uint32_t size = U32Le(&file[at + 4]);
        if (std::memcmp(&file[at], "data", 4) == 0) {
            size = std::min<uint32_t>(size, static_cast<uint32_t>(file.size() - at - 8));
            std::vector<int16_t> samples(size / 2);
            std::memcpy(samples.data(), &file[at + 8], samples.size() * 2);
            return samples;
        }
        at += 8 + size + (size & 1);
    }
    return {};
}

std::vector<int16_t> DecodeAll(VorbisDecoder& decoder) {
    std::vector<int16_t> out;
    std::vector<int16_t> buffer(1000 * decoder.Channels());
    while (size_t frames = decoder.Read(buffer.data(), 1000))
        out.insert(out.end(), buffer.begin(), buffer.begin() + frames * decoder.Channels());
    return out;
}

// The energy of `got - wanted` against that of `wanted`, in dB.
double ErrorDb(const std::vector<int16_t>& got, const std::vector<int16_t>& wanted) {
    double signal = 0, error = 0;
    for (size_t i = 0; i < std::min(got.size(), wanted.size()); ++i) {
        const double w = wanted[i];
        signal += w * w;
        error += (got[i] - w) * (got[i] - w);
    }
    return 10 * std::log10(error / signal);
}

// Encodes a two-tone stereo second with oggenc and decodes it with oggdec,
// once for all tests.
class VorbisDecoderTest : public ::testing::Test {
   protected:
    static void SetUpTestSuite() {
        dir_ = testing::NewTempDir("lomvex_vorbis");
        ASSERT_FALSE(dir_.empty());
        std::string commands = "cd " + dir_ +
                               " && sox -n -r 44100 -c 2 -b 16 tone.wav synth 1 sine 440 sine 660"
                               " gain -6 && oggenc --quiet -q 6 -o tone.ogg tone.wav"
                               " && oggdec --quiet -o ref.wav tone.ogg"
                               " && sox -n -r 22050 -c 1 -b 16 mono.wav synth 0.5 sine 300"
                               " && oggenc --quiet -o mono.ogg mono.wav";
        ASSERT_EQ(std::system(commands.c_str()), 0) << "needs sox and vorbis-tools";
    }
    static std::string Path(const char* name) { return dir_ + "/" + name; }
    static void TearDownTestSuite() { std::system(("rm -rf " + dir_).c_str()); }
    static std::string dir_;
};

std::string VorbisDecoderTest::dir_;

TEST_F(VorbisDecoderTest, DecodesCloseToTheSourceAndAsLongAsOggdec) {
    VorbisOpen result;
    auto decoder = VorbisDecoder::Open(testing::FileBytes(Path("tone.ogg")), result);
    ASSERT_EQ(result, VorbisOpen::Opened);
    ASSERT_NE(decoder, nullptr);
    EXPECT_EQ(decoder->Channels(), 2);
    EXPECT_EQ(decoder->Rate(), 44100u);
    std::vector<int16_t> decoded = DecodeAll(*decoder);
    std::vector<int16_t> reference = WavSamples(Path("ref.wav"));
    std::vector<int16_t> source = WavSamples(Path("tone.wav"));
    ASSERT_FALSE(reference.empty());
    EXPECT_EQ(decoded.size(), reference.size());
    EXPECT_EQ(decoded.size(), source.size());
    EXPECT_EQ(decoder->DeclaredFrames() * 2, decoded.size());
    // Against the reference decoder the difference is rounding; against
    // the source it is what the encoder took away.
    EXPECT_LT(ErrorDb(decoded, reference), -60.0);
    EXPECT_LT(ErrorDb(decoded, source), -30.0);

    decoder->Restart();
    EXPECT_EQ(DecodeAll(*decoder), decoded);
}

TEST_F(VorbisDecoderTest, MonoDecodesToItsDeclaredLength) {
    VorbisOpen result;
    auto decoder = VorbisDecoder::Open(testing::FileBytes(Path("mono.ogg")), result);
    ASSERT_NE(decoder, nullptr);
    EXPECT_EQ(decoder->Channels(), 1);
    EXPECT_EQ(decoder->Rate(), 22050u);
    EXPECT_EQ(DecodeAll(*decoder).size(), 11025u);
}

TEST_F(VorbisDecoderTest, AStreamCutInsideAPageEndsCleanly) {
    Bytes whole = testing::FileBytes(Path("tone.ogg"));
    VorbisOpen result;
    auto full = VorbisDecoder::Open(whole, result);
    const size_t fullLength = DecodeAll(*full).size();
    for (size_t cut : {whole.size() / 2 + 17, whole.size() * 3 / 4 + 3}) {
        auto decoder = VorbisDecoder::Open(Bytes(whole.begin(), whole.begin() + cut), result);
        ASSERT_NE(decoder, nullptr) << cut;
        size_t length = DecodeAll(*decoder).size();
        EXPECT_LT(length, fullLength) << cut;
        EXPECT_GT(length, 0u) << cut;
        EXPECT_EQ(decoder->Read(nullptr, 0), 0u);
    }
}

TEST_F(VorbisDecoderTest, RefusesChainedForeignAndDamagedStreams) {
    Bytes tone = testing::FileBytes(Path("tone.ogg"));
    Bytes mono = testing::FileBytes(Path("mono.ogg"));
    Bytes chained = tone;
    chained.insert(chained.end(), mono.begin(), mono.end());
    EXPECT_FALSE(IsSingleOggStream(chained));
    EXPECT_TRUE(IsSingleOggStream(tone));
    VorbisOpen result;
    EXPECT_EQ(VorbisDecoder::Open(chained, result), nullptr);
    EXPECT_EQ(result, VorbisOpen::Chained);

    Bytes opus = tone;
    std::memcpy(&opus[28], "OpusHead", 8);
    EXPECT_EQ(VorbisDecoder::Open(opus, result), nullptr);
    EXPECT_NE(result, VorbisOpen::Opened);

    EXPECT_EQ(VorbisDecoder::Open(Bytes(tone.begin(), tone.begin() + 40), result), nullptr);
    EXPECT_EQ(VorbisDecoder::Open(Bytes(), result), nullptr);
    EXPECT_EQ(result, VorbisOpen::Damaged);

    // Pages overwritten after the headers: decoding ends or goes on, never
    // reads outside the file (the sanitizers watch).
    Bytes damaged = tone;
    for (size_t i = damaged.size() / 4; i < damaged.size(); i += 97) damaged[i] ^= 0x5A;
    auto decoder = VorbisDecoder::Open(damaged, result);
    if (decoder) DecodeAll(*decoder);
}

}  // namespace
}  // namespace lomvex
