// The level meter: thresholds, bar styles, held peaks, run statistics, the
// scan step and the level warning.
#include <gtest/gtest.h>

#include <vector>

#include "common/cp932.h"
#include "display/level_meter.h"

namespace lomvex {
namespace {

using testing::Cp932;

constexpr int kUx = 8;
constexpr int kUy = 7;
constexpr int kRow0 = 30 * kUy + 100;
constexpr int kRow1 = 32 * kUy + 100;

constexpr Colour kRed = Rgb(255, 0, 0);
constexpr Colour kMaroon = Rgb(128, 0, 0);
constexpr Colour kGreen = Rgb(0, 255, 0);
constexpr Colour kDarkGreen = Rgb(0, 128, 0);

MeterLook Look(bool decibel, bool smooth, int peakHold = 1) {
    MeterLook look;
    look.decibel = decibel;
    look.smooth = smooth;
    look.peakHold = peakHold;
    look.unitX = kUx;
    look.unitY = kUy;
    return look;
}

// The colour of the fill that starts at (x, top); 0xFFFFFFFF when none.
Colour FillColourAt(const DrawList& list, int x, int top) {
    for (const DrawOp& op : list)
        if (op.kind == OpKind::Fill && op.x == x && op.y == top) return op.colour;
    return 0xFFFFFFFFu;
}

std::vector<DrawOp> OpsOf(const DrawList& list, OpKind kind) {
    std::vector<DrawOp> ops;
    for (const DrawOp& op : list)
        if (op.kind == kind) ops.push_back(op);
    return ops;
}

// A 16-bit stereo buffer of `frames` frames with the given samples.
std::vector<uint8_t> Stereo16(int frames, int16_t left, int16_t right) {
    std::vector<uint8_t> bytes;
    for (int i = 0; i < frames; ++i) {
        for (int16_t s : {left, right}) {
            bytes.push_back(static_cast<uint8_t>(s & 0xFF));
            bytes.push_back(static_cast<uint8_t>((s >> 8) & 0xFF));
        }
    }
    return bytes;
}

MeterInputs Inputs(int layout, const MeterLook& look) {
    MeterInputs in;
    in.look = look;
    in.layout = layout;
    in.oneTimeLength = 16384;
    in.levelwarning = false;
    in.cantDisplayText = "Can't display level";
    return in;
}

TEST(LevelMeterThresholds, DecibelSegmentsFollowTheQuotedChain) {
    uint32_t t16[24];
    DecibelThresholds(kUnit16Bit, t16);
    const uint32_t expected16[24] = {29193, 26008, 23170, 20643, 18391, 16385, 14596, 13004,
                                     11585, 10321, 9195,  8192,  7298,  6502,  5793,  5161,
                                     4598,  4096,  3649,  3251,  2896,  2580,  2299,  2048};
    for (int i = 0; i < 24; ++i) EXPECT_EQ(t16[i], expected16[i]) << i;

    uint32_t t8[24];
    DecibelThresholds(kUnit8Bit, t8);
    const uint32_t expected8[24] = {114, 102, 91, 81, 72, 64, 57, 51, 45, 40, 36, 32,
                                    29,  26,  23, 20, 18, 16, 14, 12, 11, 10, 9,  8};
    for (int i = 0; i < 24; ++i) EXPECT_EQ(t8[i], expected8[i]) << i;
}

TEST(LevelMeterBars, SegmentsLightOnlyAboveTheirThreshold) {
    // Decibel segmented: the first red segment (n = 48) has threshold 29193.
    const int firstRed = (48 * kUx) / 2 + kUx;
    MeterState state;
    DrawList list;
    DrawMeterBar(list, state, Look(true, false), 29194, 0, kUy, kUnit16Bit);
    EXPECT_EQ(FillColourAt(list, firstRed, kRow0), kRed);
    EXPECT_EQ(FillColourAt(list, 26 * kUx, kRow0), kMaroon);  // no overload
    list.Clear();
    DrawMeterBar(list, state, Look(true, false), 29193, 0, kUy, kUnit16Bit);
    EXPECT_EQ(FillColourAt(list, firstRed, kRow0), kMaroon);
    EXPECT_EQ(FillColourAt(list, (46 * kUx) / 2 + kUx, kRow0), kRed);

    // Linear segmented, level 2048: segment 0 lit, segment 1 not.
    list.Clear();
    DrawMeterBar(list, state, Look(false, false), 2048, 1, kUy, kUnit16Bit);
    EXPECT_EQ(FillColourAt(list, (2 * kUx) / 2 + kUx, kRow1), kGreen);
    EXPECT_EQ(FillColourAt(list, (5 * kUx) / 2 + kUx, kRow1), kDarkGreen);
    // 16 segments, the overload segment and a marker.
    EXPECT_EQ(OpsOf(list, OpKind::Fill).size(), 17u);
    EXPECT_EQ(OpsOf(list, OpKind::Whiteness).size(), 1u);
}

TEST(LevelMeterBars, OverloadFillsEveryStyleAndHoldsSeventeenUnits) {
    // Left channel -32768 in a 16-bit stereo buffer; both channels overload.
    std::vector<uint8_t> buffer = Stereo16(64, -32768, 32767);
    for (bool decibel : {false, true}) {
        for (bool smooth : {false, true}) {
            MeterState state;
            DrawList list;
            MeterBuffer(list, state, Inputs(3, Look(decibel, smooth)), buffer.data(),
                        static_cast<uint32_t>(buffer.size()));
            EXPECT_EQ(state.heldPeak[0], 34816u);
            EXPECT_EQ(state.heldPeak[1], 34816u);  // 32767 is FS - 1
            EXPECT_EQ(state.maxLevel, 32768u);
            EXPECT_EQ(state.overCount, 1);  // one count per buffer
            if (!smooth) {
                EXPECT_EQ(FillColourAt(list, 26 * kUx, kRow0), kRed);
            }
            if (smooth && !decibel) {
                for (const DrawOp& op : list) {
                    if (op.kind == OpKind::Fill && op.x == 20 * kUx && op.y == kRow0) {
                        EXPECT_EQ(op.width, 6 * kUx + 1);
                        EXPECT_EQ(op.colour, kRed);
                    }
                }
                EXPECT_EQ(FillColourAt(list, 20 * kUx + 6 * kUx + 1, kRow0), 0xFFFFFFFFu);
            }
        }
    }
}

TEST(LevelMeterBars, SilenceLightsNothing) {
    std::vector<uint8_t> silence(256, 128);
    for (bool decibel : {false, true}) {
        for (bool smooth : {false, true}) {
            MeterState state;
            DrawList list;
            MeterBuffer(list, state, Inputs(0, Look(decibel, smooth)), silence.data(), 256);
            EXPECT_EQ(state.maxLevel, 0u);
            EXPECT_EQ(state.overCount, 0);
            for (const DrawOp& op : list) {
                ASSERT_EQ(op.kind, OpKind::Fill);  // no marker without a peak
                EXPECT_EQ(op.height, 3 * kUy);     // one mono bar over both rows
                for (Colour lit :
                     {kRed, kGreen, Rgb(255, 255, 0), Rgb(0, 255, 255), Rgb(0, 0, 255)})
                    EXPECT_NE(op.colour, lit) << decibel << smooth << " x " << op.x;
            }
        }
    }
}

TEST(LevelMeterBars, ContinuousDecibelRedZoneIsFullJustBelowZero) {
    MeterState state;
    DrawList list;
    DrawMeterBar(list, state, Look(true, true), 32580, 0, kUy, kUnit16Bit);  // -0.05 dB
    ASSERT_EQ(list[0].kind, OpKind::Fill);  // red zone first, fully lit
    EXPECT_EQ(list[0].x, 23 * kUx);
    EXPECT_EQ(list[0].width, 3 * kUx + 1);
    EXPECT_EQ(list[0].colour, kRed);
    EXPECT_NE(list[1].x, 23 * kUx + 3 * kUx + 1);  // no unlit red part
    // The marker at 24 dB × unitX right of the bar's start, minus a fraction.
    std::vector<DrawOp> marker = OpsOf(list, OpKind::Whiteness);
    ASSERT_EQ(marker.size(), 1u);
    EXPECT_EQ(marker[0].x, static_cast<int>(2 * kUx + (24.0 - 0.04998) * kUx));
    EXPECT_EQ(marker[0].width, 1);
}

TEST(LevelMeterPeaks, DecayOnBothScales) {
    MeterState state;
    DrawList list;
    // Decibel decay: a held peak of 8 stays and draws no marker (-72 dB).
    state.heldPeak[0] = 8;
    DrawMeterBar(list, state, Look(true, true), 0, 0, kUy, kUnit16Bit);
    EXPECT_EQ(state.heldPeak[0], 8u);
    EXPECT_TRUE(OpsOf(list, OpKind::Whiteness).empty());
    state.heldPeak[0] = 1000;
    DrawMeterBar(list, state, Look(true, false), 0, 0, kUy, kUnit16Bit);
    EXPECT_EQ(state.heldPeak[0], 970u);

    // Linear decay: a fall of U/4 per buffer, to 0 at the bottom.
    state.heldPeak[1] = 1000;
    DrawMeterBar(list, state, Look(false, false), 0, 1, kUy, kUnit16Bit);
    EXPECT_EQ(state.heldPeak[1], 488u);
    DrawMeterBar(list, state, Look(false, false), 0, 1, kUy, kUnit16Bit);
    EXPECT_EQ(state.heldPeak[1], 0u);

    // Constant hold never falls; a louder level still raises it.
    state.heldPeak[1] = 1000;
    DrawMeterBar(list, state, Look(false, false, 2), 10, 1, kUy, kUnit16Bit);
    EXPECT_EQ(state.heldPeak[1], 1000u);
    DrawMeterBar(list, state, Look(false, false, 2), 3000, 1, kUy, kUnit16Bit);
    EXPECT_EQ(state.heldPeak[1], 3000u);

    // No hold: no marker at all.
    list.Clear();
    DrawMeterBar(list, state, Look(false, false, 0), 3000, 1, kUy, kUnit16Bit);
    EXPECT_TRUE(OpsOf(list, OpKind::Whiteness).empty());
}

TEST(LevelMeterPeaks, MarkersSitOnTheHighestLitSegment) {
    MeterState state;
    DrawList list;
    // Linear segmented, 8-bit, peak 20: segment (20 - 1) div 8 = 2, n = 8.
    DrawMeterBar(list, state, Look(false, false, 2), 20, 0, kUy, kUnit8Bit);
    std::vector<DrawOp> marker = OpsOf(list, OpKind::Whiteness);
    ASSERT_EQ(marker.size(), 1u);
    EXPECT_EQ(marker[0].x, (8 * kUx) / 2 + 2 * kUx - kUx / 4);
    EXPECT_EQ(marker[0].width, kUx / 4);

    // Decibel segmented: a peak of 29194 marks segment 48; a held overload
    // the overload segment.
    list.Clear();
    state.heldPeak[0] = 0;
    DrawMeterBar(list, state, Look(true, false, 2), 29194, 0, kUy, kUnit16Bit);
    EXPECT_EQ(OpsOf(list, OpKind::Whiteness)[0].x, (49 * kUx) / 2 + kUx - kUx / 4);
    list.Clear();
    DrawMeterBar(list, state, Look(true, false, 2), 32768, 0, kUy, kUnit16Bit);
    EXPECT_EQ(OpsOf(list, OpKind::Whiteness)[0].x, (52 * kUx) / 2 + kUx - kUx / 4);
}

TEST(LevelMeterScan, ShortAndUnprocessableBuffersAreNotCounted) {
    std::vector<uint8_t> loud = Stereo16(64, -32768, -32768);
    MeterState state;
    DrawList list;
    MeterBuffer(list, state, Inputs(3, Look(true, false)), loud.data(), 4);
    EXPECT_TRUE(list.empty());
    EXPECT_EQ(state.overCount, 0);

    MeterInputs in = Inputs(3, Look(true, false));
    in.processable = false;
    MeterBuffer(list, state, in, loud.data(), static_cast<uint32_t>(loud.size()));
    ASSERT_EQ(list.size(), 4u);
    EXPECT_EQ(list[0].colour, kWhite);
    EXPECT_EQ(list[1].colour, kBlack);
    EXPECT_EQ(list[2].kind, OpKind::OpaqueBack);
    EXPECT_EQ(list[3], (DrawOp{OpKind::Text, 3 * kUx, 30 * kUy + kUy / 2 + 100, 0, 0, 0,
                               "Can't display level"}));
    EXPECT_EQ(state.maxLevel, 0u);
    EXPECT_EQ(state.overCount, 0);
}

TEST(LevelMeterScan, StepIsClampedCappedAndForcedByTheWarning) {
    MeterState state;
    DrawList list;
    std::vector<uint8_t> buffer = Stereo16(4096, 100, 100);
    MeterInputs in = Inputs(3, Look(true, false));
    in.oneTimeLength = 1u << 22;
    state.scanStep = 20000;
    MeterBuffer(list, state, in, buffer.data(), static_cast<uint32_t>(buffer.size()));
    EXPECT_EQ(state.scanStep, 16000u);
    in.oneTimeLength = 16384;  // 4096 frames: at most 4096 / 32 = 128
    MeterBuffer(list, state, in, buffer.data(), static_cast<uint32_t>(buffer.size()));
    EXPECT_EQ(state.scanStep, 128u);
    in.oneTimeLength = 64;
    MeterBuffer(list, state, in, buffer.data(), static_cast<uint32_t>(buffer.size()));
    EXPECT_EQ(state.scanStep, 1u);
    state.scanStep = 40;
    in.oneTimeLength = 16384;
    in.levelwarning = true;
    MeterBuffer(list, state, in, buffer.data(), static_cast<uint32_t>(buffer.size()));
    EXPECT_EQ(state.scanStep, 1u);
}

TEST(LevelMeterScan, PeaksAreTakenPerChannelWithTheStep) {
    // 8-bit stereo: frame 3 holds the loudest left sample, frame 2 the right.
    std::vector<uint8_t> bytes = {128, 128, 130, 120, 100, 0, 255, 140, 128, 128};
    ChannelPeaks every = ScanPeaks(bytes.data(), 10, 2, 1);
    EXPECT_EQ(every.left, 127u);
    EXPECT_EQ(every.right, 128u);
    ChannelPeaks second = ScanPeaks(bytes.data(), 10, 2, 2);  // frames 0, 2, 4
    EXPECT_EQ(second.left, 28u);
    EXPECT_EQ(second.right, 128u);
    // An odd byte count: the last, incomplete frame is not read.
    bytes = {128, 128, 0};
    EXPECT_EQ(ScanPeaks(bytes.data(), 3, 2, 1).left, 0u);
    // 16-bit mono: -32768 has magnitude 32768.
    bytes = {0x00, 0x80, 0xFF, 0x7F};
    EXPECT_EQ(ScanPeaks(bytes.data(), 4, 1, 1).left, 32768u);
}

TEST(LevelMeterStep, InitialStepDoublesOnlyForStereoPlayback) {
    EXPECT_EQ(InitialScanStep(48000, false), 10u);
    EXPECT_EQ(InitialScanStep(44100, true), 16u);
    EXPECT_EQ(InitialScanStep(11025, true), 4u);
}

TEST(LevelMeterStep, BufferDurationAndAdaptation) {
    ScanTiming monitor;
    monitor.monitorRun = true;
    EXPECT_EQ(BufferDurationMs(monitor), 372u);
    ScanTiming play;
    play.playingRate = 120;
    EXPECT_EQ(BufferDurationMs(play), 186u);
    play.playingRate = 0;
    play.rateKhz = 48;
    EXPECT_EQ(BufferDurationMs(play), 512u);
    play.tag = 0x72;
    EXPECT_EQ(BufferDurationMs(play), 716u);

    MeterState state;
    StartScanStep(state, 40);
    AdaptStep(state, monitor, 1000, 1010);  // the first handling of a run
    EXPECT_EQ(state.scanStep, 40u);
    AdaptStep(state, monitor, 1406, 1410);  // 406 > 405.48: doubles
    EXPECT_EQ(state.scanStep, 80u);
    AdaptStep(state, monitor, 1782, 1790);  // 376 > 375.72: +1
    EXPECT_EQ(state.scanStep, 81u);
    state.scanStep = 40;
    AdaptStep(state, monitor, 2154, 2184);  // 372 ms apart, 30 ms of work: halves
    EXPECT_EQ(state.scanStep, 20u);
    AdaptStep(state, monitor, 2526, 2601);  // 75 ms of work: no rule matches
    EXPECT_EQ(state.scanStep, 20u);
    AdaptStep(state, monitor, 2898, 2960);  // 62 < 0.2·D with step >= 9: -1
    EXPECT_EQ(state.scanStep, 19u);

    ScanTiming playback;  // D = 372 as well
    state.scanStep = 8;
    AdaptStep(state, playback, 3270, 3300);  // < 0.15·D: a quarter
    EXPECT_EQ(state.scanStep, 2u);
    AdaptStep(state, playback, 3642, 3700);  // < 0.3·D with step 2: -1
    EXPECT_EQ(state.scanStep, 1u);
    AdaptStep(state, playback, 4014, 4015);  // never below 1
    EXPECT_EQ(state.scanStep, 1u);

    // A new run forgets the old run's time: no doubling on its first buffer.
    StartScanStep(state, 16);
    AdaptStep(state, playback, 900000, 900010);
    EXPECT_EQ(state.scanStep, 16u);
}

TEST(LevelMeterLabels, StereoMonoAndNothingOpen) {
    ChannelLabelInputs in;
    in.units = {kUx, kUy, 0};
    DrawList list;
    DrawChannelLabelOps(list, in);
    EXPECT_TRUE(list.empty());  // no file, no monitor

    in.engineMode = 1;
    in.layout = 3;
    in.japanese = true;
    in.newStyleShell = false;  // older shells: no lift, a smaller font
    DrawChannelLabelOps(list, in);
    ASSERT_EQ(list.size(), 5u);
    EXPECT_EQ(list[2].height, -kUy);
    EXPECT_EQ(list[3], (DrawOp{OpKind::Text, 28 * kUx, kRow0, 0, 0, 0, Cp932("ＬＥＦＴ")}));
    EXPECT_EQ(list[4].text.size(), 10u);

    list.Clear();
    in.layout = 1;
    DrawChannelLabelOps(list, in);
    EXPECT_EQ(list[list.size() - 1].text, "Monaural");
}

TEST(LevelWarning, TextsCaptionsAndIcons) {
    LevelWarning silent = BuildLevelWarning(WarningDecibels(0, true), 0, false, false);
    EXPECT_EQ(silent.text, "Max level -99.0db");
    EXPECT_EQ(silent.caption, "Level Under");
    EXPECT_EQ(silent.icon, WarningIcon::Information);

    LevelWarning over = BuildLevelWarning(WarningDecibels(32767, true), 3, false, false);
    EXPECT_EQ(over.text, "Max level +0.0db\nLevel over times 3");
    EXPECT_EQ(over.caption, "Level Over");
    EXPECT_EQ(over.icon, WarningIcon::Warning);
    EXPECT_EQ(WarningDecibels(127, false), 0.0);

    LevelWarning edge = BuildLevelWarning(-6.0, 0, false, false);
    EXPECT_EQ(edge.text, "Max level -6.0db");
    EXPECT_EQ(edge.caption, "Level");
    EXPECT_EQ(edge.icon, WarningIcon::None);
    EXPECT_EQ(BuildLevelWarning(WarningDecibels(16422, true), 0, false, false).caption,
              "Level Under");  // -6.0002 dB
    EXPECT_EQ(BuildLevelWarning(WarningDecibels(16423, true), 0, false, false).caption, "Level");
}

TEST(LevelWarning, JapaneseTextsAndTheSpelledOutForm) {
    EXPECT_EQ(BuildLevelWarning(-99.0, 0, true, false).text,
              Cp932("最大レベル -99.0db\nレベルが低すぎます"));
    EXPECT_EQ(BuildLevelWarning(0.0, 12, true, false).text,
              Cp932("最大レベル +0.0db\nレベルオーバー回数 12回\nレベルが高すぎます"));
    EXPECT_EQ(BuildLevelWarning(-3.0, 0, true, false).text, Cp932("最大レベル -3.0db"));
    EXPECT_EQ(BuildLevelWarning(-99.0, 0, true, true).text,
              Cp932("最大ﾚﾍﾞﾙ ﾏｲﾅｽ99点0ﾃﾞｼﾍﾞﾙ \nレベルが低すぎます"));
    LevelWarning over = BuildLevelWarning(0.0, 2147483647, true, true);
    EXPECT_EQ(over.text,
              Cp932("最大ﾚﾍﾞﾙ ﾌﾟﾗｽ0点0ﾃﾞｼﾍﾞﾙ \nﾚﾍﾞﾙｵｰﾊﾞｰ回数 2147483647回 \nレベルが高すぎます"));
    EXPECT_EQ(over.caption, "Level Over");  // captions stay English
    // The replaced words are the quoted Shift-JIS bytes.
    EXPECT_NE(over.text.find("\xCC\xDF\xD7\xBD"), std::string::npos);
    EXPECT_NE(over.text.find("\x93\x5F"), std::string::npos);
}

}  // namespace
}  // namespace lomvex

namespace lomvex {
namespace {

TEST(MeterArea, ClicksInsideItsBordersOnly) {
    LayoutUnits units{6, 6, 4};  // the area: x 6 .. 216, y 274 .. 304
    EXPECT_TRUE(IsInsideMeterArea(units, 7, 275));
    EXPECT_TRUE(IsInsideMeterArea(units, 215, 303));
    EXPECT_FALSE(IsInsideMeterArea(units, 6, 290));
    EXPECT_FALSE(IsInsideMeterArea(units, 216, 290));
    EXPECT_FALSE(IsInsideMeterArea(units, 100, 274));
    EXPECT_FALSE(IsInsideMeterArea(units, 100, 304));
    EXPECT_FALSE(IsInsideMeterArea(units, 100, 150));  // the graph area
}

}  // namespace
}  // namespace lomvex
