// The Options dialog's rules: rate and tempo scrollbar steps and texts,
// the three lists, the control states a set of settings opens with, OK, re-layout.
#include "dialogs/options_dialog.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <tuple>

#include "common/cp932.h"

namespace lomvex {
namespace {

using testing::Cp932;

TEST(OptionsRate, ScrollStepsAreClamped) {
    EXPECT_EQ(ScrollRateValue(115, kScrollPageRight, 0), 120);
    EXPECT_EQ(ScrollRateValue(-115, kScrollPageLeft, 0), -120);
    EXPECT_EQ(ScrollRateValue(0, kScrollLineLeft, 0), -1);
    EXPECT_EQ(ScrollRateValue(120, kScrollLineRight, 0), 120);
    EXPECT_EQ(ScrollRateValue(7, kScrollThumbTrack, -33), -33);
    EXPECT_EQ(ScrollRateValue(7, kScrollThumbPosition, 300), 120);
    EXPECT_EQ(ScrollRateValue(7, 8, 50), 7);  // SB_ENDSCROLL keeps the value
    EXPECT_EQ(ScrollRateValue(7, 6, 50), 7);  // SB_LEFT too
    EXPECT_FALSE(RedrawsScrollBar(kScrollThumbPosition, 0x0601));
    EXPECT_TRUE(RedrawsScrollBar(kScrollThumbTrack, 0x030A));
    EXPECT_FALSE(RedrawsScrollBar(kScrollLineLeft, 0x0300));
}

TEST(OptionsTempo, ScrollStepsAreClampedAndShownInPercent) {
    EXPECT_EQ(ScrollTempoValue(100, kScrollLineLeft, 0), 99);
    EXPECT_EQ(ScrollTempoValue(195, kScrollPageRight, 0), 200);
    EXPECT_EQ(ScrollTempoValue(55, kScrollPageLeft, 0), 50);
    EXPECT_EQ(ScrollTempoValue(50, kScrollLineLeft, 0), 50);
    EXPECT_EQ(ScrollTempoValue(100, kScrollThumbTrack, 75), 75);
    EXPECT_EQ(ScrollTempoValue(100, kScrollThumbPosition, -3), 50);
    EXPECT_EQ(ScrollTempoValue(100, kScrollThumbPosition, 300), 200);
    EXPECT_EQ(ScrollTempoValue(80, 8, 150), 80);  // SB_ENDSCROLL keeps the value
    EXPECT_EQ(OptionTempoText(75), "75%");
    EXPECT_EQ(OptionTempoText(200), "200%");
}

TEST(OptionsRate, TextsInBothLanguages) {
    RateTexts down = OptionRateTexts(-15, false, false, false);
    EXPECT_EQ(down.rate, "91.7%");
    EXPECT_EQ(down.pitch, " -1.5");
    EXPECT_EQ(OptionRateTexts(-15, true, false, false).pitch, Cp932(" -1.5半音"));
    EXPECT_EQ(OptionRateTexts(-15, true, true, false).pitch, Cp932("-1点5半音"));
    RateTexts up = OptionRateTexts(120, false, true, false);  // useclip spells only Japanese
    EXPECT_EQ(up.rate, "200.0%");
    EXPECT_EQ(up.pitch, "+12.0");
}

TEST(OptionsRate, KeepingTheTempoShowsTheFullRateAndThePitch) {
    EXPECT_EQ(OptionRateTexts(-120, false, false, true).rate, "100.0%");
    EXPECT_EQ(OptionRateTexts(20, false, false, true).pitch, " +2.0");
    EXPECT_EQ(OptionRateTexts(-15, true, true, true).pitch, Cp932("-1点5半音"));
}

TEST(OptionsLists, ItemsHaveTheirFixedWidths) {
    ListItems length = LengthListItems(false, false);
    ASSERT_EQ(length.count, 8);
    for (int i = 0; i < length.count; ++i) EXPECT_EQ(std::strlen(length.texts[i]), 7u) << i;
    EXPECT_STREQ(length.texts[LengthPosition(4096)], "1/3 sec");
    EXPECT_EQ(LengthListItems(true, true).texts[3], Cp932("3分の1秒"));
    EXPECT_EQ(LengthListItems(true, false).texts[3], Cp932("1/3秒"));

    ListItems sizes = FftSizeListItems();
    ASSERT_EQ(sizes.count, 9);
    for (int p = 0; p < sizes.count; ++p) {
        EXPECT_EQ(std::strlen(sizes.texts[p]), 5u);
        EXPECT_EQ(std::atoi(sizes.texts[p]), 1 << (p + 7));  // 2^(fftparam - 1)
    }
    EXPECT_STREQ(sizes.texts[FftSizePosition(12)], " 2048");

    EXPECT_STREQ(WindowListItems(false).texts[1], "taper");
    EXPECT_EQ(WindowListItems(true).texts[1], Cp932("ﾃｰﾊﾟｰ"));
}

Settings Sample() {
    Settings s;
    s.PeakHold = 2;
    s.fftmode = kFftModeParametric;
    s.deltatime = 1024;
    s.fftparam = 13;
    s.mado = 1;
    s.smooth = 1;
    s.display = 0;
    s.monochrome = 1;
    s.useclip = 1;
    s.levelwarning = 0;
    s.keeptempo = 1;
    s.voicecut = 1;
    s.freq = 22050;
    s.eq[3] = -6;
    return s;
}

// The settings the dialog edits, and a few it must leave alone.
auto Edited(const Settings& s) {
    return std::make_tuple(s.PeakHold, s.fftmode, s.deltatime, s.fftparam, s.mado, s.smooth,
                           s.display, s.monochrome, s.useclip, s.levelwarning, s.keeptempo, s.voicecut, s.freq,
                           s.eq[3], s.dialog3d);
}

TEST(OptionsOk, OpeningAndOkKeepEverySetting) {
    const Settings s = Sample();
    OptionControls c = OptionControlsFor(s);
    EXPECT_TRUE(c.peakConst);
    EXPECT_FALSE(c.peakOff || c.peakDecay);
    EXPECT_TRUE(c.parametric);
    EXPECT_EQ(c.lengthSelection, 5);
    EXPECT_EQ(c.fftSizeSelection, 5);
    EXPECT_EQ(c.windowSelection, 1);
    EXPECT_TRUE(c.keepTempo);
    EXPECT_TRUE(c.voiceStereo && !c.voiceClassic);
    EXPECT_EQ(Edited(ApplyOptionControls(s, c)), Edited(s));
    EXPECT_EQ(Edited(ApplyOptionControls(Settings(), OptionControlsFor(Settings()))),
              Edited(Settings()));
}

TEST(OptionsOk, TakesTheControls) {
    OptionControls c = OptionControlsFor(Sample());
    c.lengthSelection = 0;  // "3 sec  "
    c.fftSizeSelection = 8;
    c.windowSelection = 2;
    c.peakConst = false;
    c.peakDecay = true;
    c.parametric = false;
    c.easy = true;
    c.dbDisplay = true;
    c.useclip = false;
    c.keepTempo = false;
    c.voiceStereo = false;
    c.voiceClassic = true;
    Settings after = ApplyOptionControls(Sample(), c);
    EXPECT_EQ(after.deltatime, 32768u);
    EXPECT_EQ(after.fftparam, 16);
    EXPECT_EQ(after.mado, 2);
    EXPECT_EQ(after.PeakHold, 1);
    EXPECT_EQ(after.fftmode, kFftModeEasy);
    EXPECT_EQ(after.display, 1);
    EXPECT_EQ(after.useclip, 0);
    EXPECT_EQ(after.keeptempo, 0);
    EXPECT_EQ(after.voicecut, 0);

    // No peak-hold radio checked means off; no mode radio keeps the mode.
    c.peakDecay = false;
    c.easy = false;
    after = ApplyOptionControls(Sample(), c);
    EXPECT_EQ(after.PeakHold, 0);
    EXPECT_EQ(after.fftmode, kFftModeParametric);
}

TEST(OptionsOk, ValuesNoListCouldShowSurviveOk) {
    Settings odd;
    odd.deltatime = 5000;
    odd.fftparam = 20;
    odd.mado = 7;
    odd.PeakHold = 9;
    odd.fftmode = 1;
    odd.display = 5;
    odd.voicecut = 3;
    EXPECT_EQ(LengthAt(kNoSelection), 0u);
    EXPECT_EQ(FftSizePosition(16), 8);  // the last item
    EXPECT_EQ(FftSizePosition(7), kNoSelection);
    EXPECT_EQ(WindowPosition(-1), kNoSelection);
    OptionControls c = OptionControlsFor(odd);
    EXPECT_EQ(c.lengthSelection, kNoSelection);
    EXPECT_EQ(c.fftSizeSelection, kNoSelection);
    EXPECT_EQ(c.windowSelection, kNoSelection);
    EXPECT_FALSE(c.peakOff || c.peakDecay || c.peakConst);
    EXPECT_FALSE(c.graphic || c.parametric || c.easy);
    EXPECT_TRUE(c.dbDisplay);
    Settings after = ApplyOptionControls(odd, c);
    EXPECT_EQ(after.deltatime, 5000u);
    EXPECT_EQ(after.fftparam, 20);  // not 7
    EXPECT_EQ(after.mado, 7);       // not -1
    EXPECT_EQ(after.fftmode, 1);
    EXPECT_EQ(after.PeakHold, 0);
    EXPECT_EQ(after.display, 1);
    EXPECT_EQ(after.voicecut, 3);  // neither voice removal radio was checked
}

TEST(OptionsLayout, NewStyleShellSizes) {
    // unitX 6, unitA 4: s is the scrollbar width when wider than 2u + 1.
    OptionsLayout l = OptionsRelayout(6, 4, 16, 18);
    EXPECT_EQ(l.dialog.width, 232 + 16);
    EXPECT_EQ(l.dialog.height, 249 + 16 + 2 + 18);
    EXPECT_EQ(l.lengthList.width, 54 + 16);
    EXPECT_EQ(l.rateBar.width, 201 + 16);  // 804 / 4
    EXPECT_EQ(l.tempoBar.width, l.rateBar.width);
    EXPECT_EQ(l.rateGroup.height, 60);  // round both bars
    EXPECT_EQ(l.windowLabel.y, 125);
    // A narrow scrollbar gives way to 2u + 1; divisions truncate.
    l = OptionsRelayout(7, 5, 10, 18);
    EXPECT_EQ(l.fftSizeList.width, 42 + 15);
    EXPECT_EQ(l.rateBar.height, 11);      // 45 / 4
    EXPECT_EQ(l.tempoBar.height, 11);
    EXPECT_EQ(l.windowList.height, 220);  // 880 / 4
    EXPECT_EQ(l.windowList.x, 197 + 15);  // 791 / 4
}

}  // namespace
}  // namespace lomvex
