// The equalizer bars' bands, labels, info panel, balance and clipboard
// texts, and the controls' focus order.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/cp932.h"
#include "display/band_panel.h"
#include "display/control_keys.h"

namespace lomvex {
namespace {

using testing::Cp932;

std::vector<std::string> Labels(unsigned rateKhz, int fftparam, bool japanese = false) {
    std::vector<std::string> labels;
    for (int j = 0; j < 20; ++j) labels.push_back(BarLabelText(rateKhz, fftparam, j, japanese));
    return labels;
}

TEST(BandPanel, SampleRateBehindTheKilohertz) {
    EXPECT_EQ(BandSampleRate(44), 44100.0);
    EXPECT_EQ(BandSampleRate(22), 22050.0);
    EXPECT_EQ(BandSampleRate(11), 11025.0);
    EXPECT_EQ(BandSampleRate(48), 48000.0);
    EXPECT_EQ(BandSampleRate(8), 8000.0);
}

TEST(BandPanel, GeometryAndLabelsAt44100) {
    // fftparam 12, bar 19: T = 22050, h = 5.38, m = 2048, q = 1448.
    BandEdges top = BandGeometry(44, 12, 19);
    EXPECT_NEAR(top.lower, 15584.66, 0.01);
    EXPECT_NEAR(top.upper, 22044.62, 0.01);
    // fftparam 10, bar 0 is the lowest usable band: it starts at 0.
    BandEdges low = BandGeometry(44, 10, 0);
    EXPECT_EQ(low.lower, 0.0);
    EXPECT_NEAR(low.upper, 21.533, 0.001);
    EXPECT_EQ(BandGeometry(0, 12, 5).upper, 0.0);

    EXPECT_EQ(Labels(44, 10),
              (std::vector<std::string>{"15",   "15",   "37",   "37",   "99",     "99",    "220",
                                        "220",  "460",  "460",  "950",  "950",    "1900",  "1900",
                                        "3900", "3900", "7800", "7800", "16kilo", "16kilo"}));
    EXPECT_EQ(Labels(44, 12),
              (std::vector<std::string>{"21",   "32",   "47",   "69",   "96",     "140",   "200",
                                        "290",  "400",  "570",  "820",  "1200",   "1600",  "2300",
                                        "3300", "4600", "6500", "9300", "13kilo", "19kilo"}));
    EXPECT_EQ(BarLabelText(44, 12, 19, true), Cp932("19キロ"));
}

TEST(BandPanel, InfoPanel) {
    BandInfoInputs in;
    in.units = {8, 7, 5};
    in.rateKhz = 44;
    in.fftparam = 12;
    DrawList list;
    BandInfoOps(list, in, 19, 0);
    ASSERT_EQ(list.size(), 6u);
    EXPECT_EQ(list[0].colour, Rgb(192, 192, 192));
    EXPECT_EQ(list[1].colour, kBlack);
    EXPECT_EQ(list[2].kind, OpKind::OpaqueBack);
    // 35·8 > 250: the panel sits right of the bars.
    EXPECT_EQ(list[3], (DrawOp{OpKind::Text, 266, 18 * 7 + 100, 0, 0, 0, " 16k -  "}));
    EXPECT_EQ(list[4], (DrawOp{OpKind::Text, 266, 18 * 7 + 100 + 17, 0, 0, 0, " 22kHz  "}));
    EXPECT_EQ(list[5], (DrawOp{OpKind::Text, 266, 18 * 7 + 100 + 35, 0, 0, 0, "   0db "}));

    in.fftparam = 10;
    in.japanese = true;
    in.dark = true;
    in.units = {6, 6, 4};  // 35·6 <= 250: right of the meter
    list.Clear();
    BandInfoOps(list, in, 0, -6);
    EXPECT_EQ(list[0].colour, Rgb(128, 128, 128));
    EXPECT_EQ(list[1].colour, kWhite);
    EXPECT_EQ(list[3], (DrawOp{OpKind::Text, 222, 28 * 6 + 100, 0, 0, 0, Cp932("   0～  ")}));
    EXPECT_EQ(list[4].text, "  22Hz  ");
    EXPECT_EQ(list[5].text, "  +6db ");

    in.rateKhz = 0;  // no file: only the gain line
    list.Clear();
    BandInfoOps(list, in, 3, 72);
    ASSERT_EQ(list.size(), 4u);
    EXPECT_EQ(list[3].text, " -72db ");
}

TEST(BandPanel, BalanceTexts) {
    EXPECT_EQ(BalanceValueText(0), "   0");
    EXPECT_EQ(BalanceValueText(-5), "  -5");
    EXPECT_EQ(BalanceValueText(128), "+128");
    DrawList list;
    BalanceTextOps(list, {8, 7, 5}, false, -5);
    EXPECT_EQ(list[3], (DrawOp{OpKind::Text, (8 * 40) - 5 * 8, 14 * 7, 0, 0, 0, "  -5"}));
    EXPECT_EQ(BalanceClipboardText(0, false), "balance    0");
    EXPECT_EQ(BalanceClipboardText(-5, false), "balance   -5");
    EXPECT_EQ(BalanceClipboardText(12, true), Cp932("ﾊﾞﾗﾝｽ  +12"));
}

// The labels take the value-text colours themselves: painted alone (each
// draw list restores the context) they would otherwise come out in the
// context's default colours.
TEST(BandPanel, ParametricLabelsInTheValueTextColours) {
    DrawList list;
    ParametricLabelOps(list, {8, 7, 5}, true, false);
    ASSERT_EQ(list.size(), 3u + 9u);
    EXPECT_EQ(list[0].colour, Rgb(128, 128, 128));
    EXPECT_EQ(list[1].colour, kWhite);
    EXPECT_EQ(list[2].kind, OpKind::OpaqueBack);
    EXPECT_EQ(list[3], (DrawOp{OpKind::Text, 64, 18 * 7 + 100, 0, 0, 0, "to"}));
    EXPECT_EQ(list[10], (DrawOp{OpKind::Text, 144, 24 * 7 + 104, 0, 0, 0, "Hz"}));
    EXPECT_EQ(list[11], (DrawOp{OpKind::Text, 216, 24 * 7 + 104, 0, 0, 0, "db"}));
    list.Clear();
    ParametricLabelOps(list, {8, 7, 5}, false, true);
    EXPECT_EQ(list[0].colour, Rgb(192, 192, 192));
    EXPECT_EQ(list[3].text, Cp932("～"));
}

TEST(BandPanel, ClipboardTextsOfTheBars) {
    EXPECT_EQ(BarClipboardText(44, 12, 19, 0, false), " 16kilo to    22kiloHertz    0decibel");
    EXPECT_EQ(BarClipboardText(44, 12, 0, 12, false), "  16 to     27Hertz  -12decibel");
    EXPECT_EQ(BarClipboardText(44, 10, 0, -6, false), "   0 to    22Hertz   +6decibel");
    EXPECT_EQ(BarClipboardText(0, 10, 0, 0, false), "    0decibel");
    EXPECT_EQ(BarClipboardText(44, 12, 19, 0, true),
              Cp932(" 16キロから   22キロヘルツ    0デシベル"));
    // The lowest band reads in the chosen language too.
    EXPECT_EQ(BarClipboardText(44, 10, 0, -6, true), Cp932("   0から   22ヘルツ   +6デシベル"));
}

FocusFacts Facts(int fftmode, int fftparam, int radio = 513) {
    FocusFacts f;
    f.fftmode = fftmode;
    f.fftparam = fftparam;
    f.radio = radio;
    return f;
}

TEST(FocusOrder, ButtonsRadiosAndBalance) {
    FocusFacts f = Facts(152, 12);
    EXPECT_EQ(FocusTarget(508, false, f), 515);
    EXPECT_EQ(FocusTarget(508, true, f), 513);
    EXPECT_EQ(FocusTarget(509, false, f), 510);
    EXPECT_EQ(FocusTarget(509, true, f), 513);
    EXPECT_EQ(FocusTarget(510, false, f), 515);
    EXPECT_EQ(FocusTarget(510, true, f), 509);

    // From a radio: Play, else Stop, else the balance.
    EXPECT_EQ(FocusTarget(511, false, f), 508);
    f.SetEnabled(508, false);
    EXPECT_EQ(FocusTarget(512, false, f), 509);
    f.SetEnabled(509, false);
    EXPECT_EQ(FocusTarget(514, false, f), 515);
    EXPECT_EQ(FocusTarget(511, true, f), 537);
    EXPECT_EQ(FocusTarget(511, true, Facts(154, 12)), 555);
    FocusFacts parametric = Facts(153, 12);
    EXPECT_EQ(FocusTarget(511, true, parametric), 546);
    parametric.SetEnabled(546, false);
    EXPECT_EQ(FocusTarget(511, true, parametric), 515);

    // From the balance.
    EXPECT_EQ(FocusTarget(515, false, Facts(153, 12)), 538);
    parametric.SetEnabled(538, false);  // fields are disabled during a run
    EXPECT_EQ(FocusTarget(515, false, parametric), 513);
    EXPECT_EQ(FocusTarget(515, false, Facts(154, 8)), 547);
    FocusFacts graphic = Facts(152, 8);
    EXPECT_EQ(FocusTarget(515, false, graphic), 517);
    graphic.SetEnabled(517, false);
    EXPECT_EQ(FocusTarget(515, false, graphic), 519);
    graphic.SetEnabled(519, false);
    EXPECT_EQ(FocusTarget(515, false, graphic), 521);
    EXPECT_EQ(FocusTarget(515, true, graphic), 510);
    graphic.SetEnabled(510, false);
    EXPECT_EQ(FocusTarget(515, true, graphic), 508);
    graphic.SetEnabled(508, false);
    EXPECT_EQ(FocusTarget(515, true, graphic), 513);  // Pause and Play disabled: the radio
}

TEST(FocusOrder, BarsFieldsAndCheckBoxes) {
    FocusFacts twenty = Facts(152, 12);
    EXPECT_EQ(FocusTarget(517, false, twenty), 518);
    EXPECT_EQ(FocusTarget(536, false, twenty), 537);
    EXPECT_EQ(FocusTarget(517, true, twenty), 515);
    EXPECT_EQ(FocusTarget(520, true, twenty), 519);
    EXPECT_EQ(FocusTarget(537, true, twenty), 536);
    EXPECT_EQ(FocusTarget(537, false, twenty), 513);

    FocusFacts ten = Facts(152, 9, 511);
    EXPECT_EQ(FocusTarget(517, false, ten), 519);
    EXPECT_EQ(FocusTarget(535, false, ten), 537);
    EXPECT_EQ(FocusTarget(521, true, ten), 519);
    ten.SetEnabled(519, false);
    EXPECT_EQ(FocusTarget(521, true, ten), 515);
    EXPECT_EQ(FocusTarget(519, true, ten), 517);
    ten.SetEnabled(517, false);  // fftparam 9: bar 0 is disabled
    EXPECT_EQ(FocusTarget(519, true, ten), 515);
    EXPECT_EQ(FocusTarget(537, true, ten), 535);

    FocusFacts f = Facts(153, 12, 514);
    EXPECT_EQ(FocusTarget(538, false, f), 539);
    EXPECT_EQ(FocusTarget(538, true, f), 515);
    EXPECT_EQ(FocusTarget(545, false, f), 546);
    EXPECT_EQ(FocusTarget(546, false, f), 514);
    EXPECT_EQ(FocusTarget(546, true, f), 545);
    EXPECT_EQ(FocusTarget(547, true, f), 515);
    EXPECT_EQ(FocusTarget(551, false, f), 552);
    EXPECT_EQ(FocusTarget(555, false, f), 514);
    EXPECT_EQ(FocusTarget(555, true, f), 554);
    EXPECT_EQ(FocusTarget(516, false, f), 0);  // the drop target has no entry
}

TEST(FocusOrder, AnEnabledPositionBarComesAfterThePanel) {
    for (int mode : {152, 153, 154}) {
        FocusFacts f = Facts(mode, 12, 512);
        const int last = mode == 152 ? 537 : mode == 153 ? 546 : 555;
        EXPECT_EQ(FocusTarget(last, false, f), 512) << "no song open";
        f.positionBar = true;
        EXPECT_EQ(FocusTarget(last, false, f), 556);
        EXPECT_EQ(FocusTarget(556, false, f), 512);
        EXPECT_EQ(FocusTarget(556, true, f), last);
        EXPECT_EQ(FocusTarget(511, true, f), 556);
    }
}

TEST(FocusOrder, RadioStepsAndCopyKeys) {
    EXPECT_EQ(SteppedRadio(511, false), 511);
    EXPECT_EQ(SteppedRadio(511, true), 512);
    EXPECT_EQ(SteppedRadio(513, false), 512);
    EXPECT_EQ(SteppedRadio(514, true), 514);
    EXPECT_TRUE(IsCopyCharacter('C'));
    EXPECT_TRUE(IsCopyCharacter('c'));
    EXPECT_TRUE(IsCopyCharacter(3));
    EXPECT_FALSE(IsCopyCharacter('x'));
}

}  // namespace
}  // namespace lomvex
