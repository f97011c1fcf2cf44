// The playing-rate model and the core's texts; Japanese texts are compared
// with the CP932 encoding of the quoted strings.
#include <gtest/gtest.h>
#include <iconv.h>

#include <string>

#include "dsp/dsp_texts.h"
#include "dsp/rate_model.h"

namespace lomvex {
namespace {

std::string Cp932(std::string utf8) {
    iconv_t cd = iconv_open("CP932", "UTF-8");
    std::string out(utf8.size() * 2, '\0');
    char *in = utf8.data(), *to = out.data();
    size_t inLeft = utf8.size(), outLeft = out.size();
    EXPECT_NE(iconv(cd, &in, &inLeft, &to, &outLeft), static_cast<size_t>(-1));
    iconv_close(cd);
    out.resize(out.size() - outLeft);
    return out;
}

TEST(DspRateModel, DeviceFormat) {
    EXPECT_EQ(DeviceSampleRate(120, 44100), 88200u);
    EXPECT_EQ(DeviceSampleRate(-120, 44100), 22050u);
    EXPECT_EQ(DeviceSampleRate(1, 44100), 44355u);                    // 44355.47 + 0.5
    EXPECT_EQ(DeviceSampleRate(10, 48000), 50854u);                   // 50854.23 + 0.5
    EXPECT_EQ(DeviceByteRate(120, 1, 176400, 4, 88200), 352800u);     // new rate x block
    EXPECT_EQ(DeviceByteRate(120, 113, 8125, 65, 16000), 250u * 65);  // whole blocks
    EXPECT_EQ(DeviceByteRate(1, 115, 6500, 65, 8000), 101u * 65);     // 100.58 + 0.5
    EXPECT_EQ(DeviceByteRate(1, 85, 20001, 1, 44355), 20117u);        // 20116.86 + 0.5
    EXPECT_EQ(DeviceByteRate(120, 113, 8000, 0, 16000), 16000u);      // no division by 0
    EXPECT_DOUBLE_EQ(BufferDurationScale(120), 0.5);
    EXPECT_EQ(ClampRateSetting(121), 120);
    EXPECT_EQ(ClampRateSetting(-500), -120);
}

TEST(DspRateModel, RateAndPitchTexts) {
    EXPECT_EQ(RateText(120), "200.0%");
    EXPECT_EQ(RateText(-120), "50.0%");
    EXPECT_EQ(RateText(10), "105.9%");
    EXPECT_EQ(RateText(-15), "91.7%");
    EXPECT_EQ(PitchText(120, false, false), "+12.0");
    EXPECT_EQ(PitchText(-120, false, true), "-12.0");  // no spelled form in English
    EXPECT_EQ(PitchText(-15, false, false), " -1.5");
    EXPECT_EQ(PitchText(-15, true, false), Cp932(" -1.5半音"));
    EXPECT_EQ(PitchText(-15, true, true), Cp932("-1点5半音"));
    EXPECT_EQ(PitchText(120, true, true), Cp932("+12点0半音"));
    EXPECT_EQ(PitchText(-5, true, true), Cp932("-0点5半音"));
}

TEST(DspTexts, BothLanguages) {
    EXPECT_STREQ(EnglishDspTexts().noMemory, "nomem");
    EXPECT_EQ(JapaneseDspTexts().noMemory, Cp932("メモリ不足"));
    EXPECT_STREQ(EnglishDspTexts().notPcm, " Can't process, Not PCM  ");
    EXPECT_EQ(JapaneseDspTexts().notPcm, Cp932("  PCMでないため処理不能  "));
    EXPECT_EQ(std::string(JapaneseDspTexts().notPcm).size(), 25u);  // same box as English
}

}  // namespace
}  // namespace lomvex
