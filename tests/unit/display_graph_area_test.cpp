// The graph area: spectrum rows, octave bars, the logarithmic view and the
// waveform trace.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "display/graph_area.h"

namespace lomvex {
namespace {

constexpr int kUx = 8;
constexpr int kUy = 7;
constexpr int kTop = 17 * kUy;

GraphInputs Inputs(int fftparam = 11) {
    GraphInputs in;
    in.unitX = kUx;
    in.unitY = kUy;
    in.fftparam = fftparam;
    in.rateKhz = 44;
    return in;
}

std::vector<DrawOp> OpsOf(const DrawList& list, OpKind kind) {
    std::vector<DrawOp> ops;
    for (const DrawOp& op : list)
        if (op.kind == kind) ops.push_back(op);
    return ops;
}

uint8_t RowOf(double power, bool decibel, bool sixteenBit = true) {
    const double norm = sixteenBit ? 70000000.0 : 1000.0;
    double re[2] = {std::sqrt(power * norm), 0}, im[2] = {0, 0};
    uint8_t rows[1];
    SpectrumRows(2, rows, re, im, sixteenBit, decibel);
    return rows[0];
}

TEST(GraphSpectrum, RowsOnBothScales) {
    EXPECT_EQ(RowOf(0.0, true), 120);  // digital silence
    EXPECT_EQ(RowOf(0.0, false), 100);
    EXPECT_EQ(RowOf(1.0, true), 0);
    EXPECT_EQ(RowOf(1.0, false), 0);
    EXPECT_EQ(RowOf(9.0, false), 0);              // clamped to full scale
    EXPECT_EQ(RowOf(std::exp(-12.6), true), 60);  // 60.48
    EXPECT_EQ(RowOf(0.25, false), 50);
    EXPECT_EQ(RowOf(0.25, false, false), 50);  // 8-bit sound, smaller norm
}

TEST(GraphSpectrum, OctaveBarsBelowAndFromTwelve) {
    // fftparam 11: ten bars 20 pixels wide, the highest octave on the right.
    std::vector<uint8_t> rows(1024, 120);
    rows[600] = 30;  // in the top octave [512, 1024)
    DrawList list;
    DrawOctaveBars(list, Inputs(11), rows.data(), 1024);
    ASSERT_EQ(list[0], (DrawOp{OpKind::Whiteness, kUx, kTop, 256, 100, 0, ""}));  // cleared
    std::vector<DrawOp> bars = OpsOf(list, OpKind::Blackness);
    ASSERT_EQ(bars.size(), 10u);
    EXPECT_EQ(bars[0], (DrawOp{OpKind::Blackness, 225 + kUx + 2, kTop + 30, 20, 70, 0, ""}));
    for (int j = 1; j < 10; ++j) {
        EXPECT_EQ(bars[j].x, 225 - 25 * j + kUx + 2);
        EXPECT_EQ(bars[j].height, 0);  // silence: empty bars
    }

    // fftparam 12: twenty half-octave bars 10 pixels wide.
    rows.assign(2048, 120);
    rows[1448] = 10;  // the upper half of the top octave: [1448, 2048)
    rows[1447] = 20;  // its lower half: [1024, 1448)
    list.Clear();
    DrawOctaveBars(list, Inputs(12), rows.data(), 2048);
    bars = OpsOf(list, OpKind::Blackness);
    ASSERT_EQ(bars.size(), 20u);
    EXPECT_EQ(bars[0], (DrawOp{OpKind::Blackness, 225 + kUx + 13, kTop + 10, 10, 90, 0, ""}));
    EXPECT_EQ(bars[1], (DrawOp{OpKind::Blackness, 225 + kUx + 1, kTop + 20, 10, 80, 0, ""}));
    EXPECT_EQ(bars[19].x, 225 - 225 + kUx + 1);
}

TEST(GraphSpectrum, LogarithmicViewPlacesTheLowBins) {
    std::vector<uint8_t> rows(128, 100);  // nothing drawn at row 100
    rows[0] = 40;
    rows[1] = 50;
    rows[127] = 0;
    DrawList list;
    DrawLogSpectrum(list, Inputs(8), rows.data(), 128);
    std::vector<DrawOp> bins = OpsOf(list, OpKind::Blackness);
    ASSERT_EQ(bins.size(), 3u);
    EXPECT_EQ(bins[0], (DrawOp{OpKind::Blackness, kUx, kTop + 40, 1, 60, 0, ""}));
    // Bin 1: x0 = ln 1 = 0 moves to 1; its width is taken before: ln 2 / ln 128 × 256.
    EXPECT_EQ(bins[1], (DrawOp{OpKind::Blackness, kUx + 1, kTop + 50, 36, 50, 0, ""}));
    EXPECT_EQ(bins[2].x + bins[2].width, kUx + 256);  // the last bin ends at the edge

    GraphInputs dark = Inputs(8);
    dark.dark = true;
    list.Clear();
    DrawLogSpectrum(list, dark, rows.data(), 128);
    EXPECT_EQ(list[0].kind, OpKind::Blackness);  // cleared black
    EXPECT_EQ(list[1].kind, OpKind::Whiteness);  // drawn white
}

TEST(GraphTrace, SpanDoublingWritesTheMillisecondsAndClearsThemAgain) {
    std::vector<uint8_t> rows(300, 50);
    GraphInputs in = Inputs();
    int shown = 0;
    DrawList list;
    DrawTrace(list, in, shown, rows.data(), 300, 256);  // b, S: 256 -> 512
    ASSERT_EQ(list[0], (DrawOp{OpKind::Text, 512, kTop + 260, 0, 0, 0, "46 msec"}));
    EXPECT_EQ(shown, 7);
    EXPECT_EQ(list[1].kind, OpKind::Whiteness);  // the area is cleared after the text
    // 512 points per 256 columns: two points each, 150 columns.
    EXPECT_EQ(OpsOf(list, OpKind::LineTo).size(), 300u);

    list.Clear();
    DrawTrace(list, in, shown, rows.data(), 256, 256);  // fits: the text is covered
    ASSERT_GE(list.size(), 4u);
    EXPECT_EQ(list[0].colour, SystemColour(kSysColourButtonText));
    EXPECT_EQ(list[1].kind, OpKind::OpaqueBack);
    EXPECT_EQ(list[2].colour, SystemColour(kSysColourButtonFace));
    EXPECT_EQ(list[3], (DrawOp{OpKind::Text, 512, kTop + 260, 0, 0, 0, "       "}));
    EXPECT_EQ(shown, 0);

    list.Clear();
    DrawTrace(list, in, shown, rows.data(), 256, 256);  // nothing left to cover
    EXPECT_TRUE(OpsOf(list, OpKind::Text).empty());

    in.rateKhz = 48;  // S div 8
    list.Clear();
    DrawTrace(list, in, shown, rows.data(), 300, 256);
    EXPECT_EQ(list[0].text, "64 msec");

    in.tag = 0x71;  // always doubled tags write the text even when the span fits
    list.Clear();
    DrawTrace(list, in, shown, rows.data(), 100, 256);
    EXPECT_EQ(list[0].text, "32 msec");

    list.Clear();
    DrawTrace(list, in, shown, rows.data(), 1, 256);  // a single point draws nothing
    EXPECT_TRUE(list.empty());
}

TEST(GraphTrace, ShortSpansSpreadThePointsOverTheArea) {
    std::vector<uint8_t> rows = {50, 10, 90, 50};
    GraphInputs in = Inputs();
    in.dark = true;
    int shown = 0;
    DrawList list;
    DrawTrace(list, in, shown, rows.data(), 4, 128);
    ASSERT_EQ(list.size(), 6u);
    EXPECT_EQ(list[0].kind, OpKind::WhitePen);
    EXPECT_EQ(list[5], (DrawOp{OpKind::LineTo, kUx + 6, kTop + 50, 0, 0, 0, ""}));  // 3 × 256/128
}

TEST(GraphTrace, LongSpansDrawAMinimumToMaximumLinePerColumn) {
    // 301 points over a span of 512: two points a column, the last one partial.
    std::vector<uint8_t> rows(301, 50);
    rows[2] = 20;
    rows[3] = 80;
    rows[300] = 7;
    int shown = 0;
    DrawList list;
    DrawTrace(list, Inputs(), shown, rows.data(), 301, 512);
    // After clearing: MoveTo, then per column LineTo, MoveTo, LineTo, MoveTo.
    ASSERT_EQ(list.size(), 2u + 151u * 4u);
    const DrawOp* column1 = &list[2 + 4];
    EXPECT_EQ(column1[0], (DrawOp{OpKind::LineTo, kUx + 1, kTop + 20, 0, 0, 0, ""}));
    EXPECT_EQ(column1[1], (DrawOp{OpKind::MoveTo, kUx + 1, kTop + 20, 0, 0, 0, ""}));
    EXPECT_EQ(column1[2], (DrawOp{OpKind::LineTo, kUx + 1, kTop + 81, 0, 0, 0, ""}));
    EXPECT_EQ(column1[3], (DrawOp{OpKind::MoveTo, kUx + 1, kTop + 80, 0, 0, 0, ""}));
    EXPECT_EQ(list[list.size() - 1], (DrawOp{OpKind::MoveTo, kUx + 150, kTop + 7, 0, 0, 0, ""}));
}

TEST(GraphTrace, TwelveKilohertzSpansStayInsideTheArea) {
    // b = 1.5 × 256 = 384: one point a column, at most 256 columns.
    std::vector<uint8_t> rows(380, 50);
    GraphInputs in = Inputs();
    in.rateKhz = 12;
    int shown = 0;
    DrawList list;
    DrawTrace(list, in, shown, rows.data(), 380, 256);
    int rightmost = 0;
    for (const DrawOp& op : list)
        if (op.kind == OpKind::LineTo) rightmost = std::max(rightmost, op.x);
    EXPECT_EQ(rightmost, kUx + 255);
    EXPECT_EQ(shown, 0);
}

TEST(GraphTrace, WaveRowsCentreSilence) {
    const double samples[] = {0, 32767, -32768, -200000};
    uint8_t rows[4];
    WaveRows(samples, 4, true, rows);
    EXPECT_EQ(std::vector<uint8_t>(rows, rows + 4), (std::vector<uint8_t>{50, 99, 0, 0}));
    const double bytes[] = {-128, 127};
    WaveRows(bytes, 2, false, rows);
    EXPECT_EQ(rows[0], 0);
    EXPECT_EQ(rows[1], 99);
}

class RecordingGraph : public GraphView {
   public:
    std::vector<std::vector<DrawOp>> painted;

   protected:
    void Paint(const DrawList& list) override { painted.emplace_back(list.begin(), list.end()); }
};

TEST(GraphView, ViewsChooseWhatIsDrawn) {
    RecordingGraph graph;
    graph.inputs = Inputs(8);
    std::vector<double> re(256, 0.0), im(256, 0.0);
    std::vector<uint8_t> rows(256);
    graph.DrawSpectrum(256, rows.data(), re.data(), im.data());
    EXPECT_EQ(graph.painted.back().size(), 1u + 8u);  // clear and eight octaves at fftparam 8
    graph.inputs.viewItem = kViewSpectrum;
    graph.DrawSpectrum(256, rows.data(), re.data(), im.data());
    EXPECT_EQ(graph.painted.back().size(), 1u);  // silence: only the clear
    graph.inputs.viewItem = kViewWaveform;
    graph.DrawSpectrum(256, rows.data(), re.data(), im.data());
    EXPECT_EQ(graph.painted.size(), 2u);

    graphState = GraphState();
    graph.DrawFrameWave(256, rows.data(), re.data(), "src");
    EXPECT_EQ(graph.painted.back()[0],
              (DrawOp{OpKind::Text, kUx + 258, kTop + 60, 0, 0, 0, "src"}));
    // The output trace spans the one-time units and keeps its own text.
    graph.inputs.deltatime = 256;
    std::vector<uint8_t> out(300, 50);
    graph.DrawOutputWave(out.data(), 300);
    EXPECT_EQ(graph.painted.back()[0].text, "46 msec");
    EXPECT_EQ(graphState.msecTextLength[kOutputTrace], 7);
    EXPECT_EQ(graphState.msecTextLength[kFrameTrace], 0);
}

}  // namespace
}  // namespace lomvex
