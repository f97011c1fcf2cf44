// Which equalizer panel shows for each mode and transform size, and the
// scroll rules of the balance and the bars.
#include <gtest/gtest.h>

#include <climits>

#include "common/cp932.h"
#include "shell/equalizer_mode.h"
#include "shell/scroll_rules.h"

namespace lomvex {
namespace {

using testing::Cp932;

// The panels through real controls, at each transform size, are checked in
// the Win32 tests; here the decisions the controls cannot show.
TEST(EqualizerMode, DecidesOnlyWhatTheModeOwns) {
    EqualizerModeView ten = DecideEqualizerMode(kFftModeGraphic, 11);
    EXPECT_EQ(ten.bars[0].width, 24);
    EXPECT_EQ(ten.bars[1].width, 0);  // odd bars keep their width
    EXPECT_EQ(ten.bars[0].enabled, true);
    EXPECT_FALSE(ten.bars[4].enabled.has_value());
    EqualizerModeView n9 = DecideEqualizerMode(kFftModeGraphic, 9);
    EXPECT_EQ(n9.bars[0].enabled, false);
    EXPECT_TRUE(n9.bars[2].enabled == true && !n9.bars[2].labelShown);

    EqualizerModeView parametric = DecideEqualizerMode(kFftModeParametric, 12);
    EqualizerModeView easy = DecideEqualizerMode(kFftModeEasy, 8);
    for (const auto& view : {parametric, easy}) {
        EXPECT_FALSE(view.resetShown);
        for (const BarView& bar : view.bars)
            EXPECT_FALSE(bar.shown || bar.labelShown || bar.enabled.has_value());
    }
    EXPECT_TRUE(parametric.fieldsShown && !parametric.presetsShown);
    EXPECT_TRUE(easy.presetsShown && !easy.fieldsShown);
}

TEST(ScrollRules, BalanceStepsAndClamps) {
    EXPECT_EQ(NextBalance(0, kScrollLineUp, 99), -1);
    EXPECT_EQ(NextBalance(5, kScrollPageUp, 99), -5);
    EXPECT_EQ(NextBalance(125, kScrollPageDown, 0), 128);
    EXPECT_EQ(NextBalance(3, kScrollThumbTrack, -500), -128);
    EXPECT_EQ(NextBalance(3, kScrollThumbPosition, 40), 40);
    EXPECT_EQ(NextBalance(3, 8 /* end of scroll */, 40), 3);
}

TEST(ScrollRules, BarStepsAndClamps) {
    EXPECT_EQ(NextBarPosition(-8, kScrollPageUp, 0), -12);
    EXPECT_EQ(NextBarPosition(0, kScrollPageDown, 0), 6);
    EXPECT_EQ(NextBarPosition(72, kScrollLineDown, 0), 72);
    EXPECT_EQ(NextBarPosition(0, kScrollThumbTrack, 100), 72);
    // Out of range from the settings: pulled in by any scroll, no overflow.
    EXPECT_EQ(NextBarPosition(-500, 8 /* end of scroll */, 0), -12);
    EXPECT_EQ(NextBarPosition(INT_MAX, kScrollPageDown, 0), 72);
    EXPECT_EQ(NextBarPosition(INT_MIN, kScrollPageUp, 0), -12);
}

TEST(ScrollRules, BarWindowTexts) {
    EXPECT_EQ(BarName(0), Cp932("グライコバー 1"));
    EXPECT_EQ(BarWindowText(2, -12), Cp932("グライコバー 3 +12db "));
    EXPECT_EQ(BarWindowText(19, 6), Cp932("グライコバー 20  -6db "));
    EXPECT_EQ(BarWindowText(4, 0), Cp932("グライコバー 5   0db "));
}

}  // namespace
}  // namespace lomvex
