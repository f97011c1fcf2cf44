// Moving through a song: source offsets of a position (PCM blocks, MPEG
// frames), the jumps and the position bar's scroll rules, the loop's ends
// and the cross-fade of its seam.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "audiofile/byte_source.h"
#include "audiofile/mpeg_frame_seek.h"
#include "base/run_state.h"
#include "engine/loop_fade.h"
#include "engine/play_position.h"
#include "resources/ids.h"
#include "shell/position_bar_rules.h"
#include "shell/scroll_rules.h"
#include "shell/shortcuts.h"

namespace lomvex {
namespace {

TEST(PcmPosition, OffsetsAreWholeBlocksInsideTheData) {
    // 16-bit stereo at 44.1 kHz: 176400 bytes a second, blocks of 4.
    EXPECT_EQ(BlockOffsetOfTenths(0, 176400, 4, 1000000), 0u);
    EXPECT_EQ(BlockOffsetOfTenths(10, 176400, 4, 1000000), 176400u);
    EXPECT_EQ(BlockOffsetOfTenths(-5, 176400, 4, 1000000), 0u);
    // A byte rate that does not divide into blocks is cut down to one.
    EXPECT_EQ(BlockOffsetOfTenths(1, 26460 * 3 + 1, 6, 10000000) % 6, 0u);
    // Past the end: the start of the last whole block, never past the data.
    EXPECT_EQ(BlockOffsetOfTenths(1000, 176400, 4, 1003), 996u);
    EXPECT_EQ(BlockOffsetOfTenths(1000, 176400, 4, 3), 0u);
    EXPECT_EQ(BlockOffsetOfTenths(5, 176400, 0, 1000000), 88200u);
    // No overflow for the longest tenths a 32-bit data size allows.
    EXPECT_EQ(BlockOffsetOfTenths(250000, 176400, 4, 0xFFFFFFFCu), 0xFFFFFFF8u);
}

TEST(PcmPosition, TenthsFollowTheBytesAndJumpsStayInsideTheSong) {
    EXPECT_EQ(TenthsOfBytes(176400 * 2.55, 176400), 25);
    EXPECT_EQ(TenthsOfBytes(1000, 0), 0);
    EXPECT_EQ(MovedPosition(30, kJumpTenths, 160), 80);
    EXPECT_EQ(MovedPosition(30, -kJumpTenths, 160), 0);
    EXPECT_EQ(MovedPosition(140, kJumpTenths, 160), 160);
    EXPECT_EQ(MovedPosition(5, 0, -1), 0);
}

TEST(PositionBar, ArrowsPagesAndTheThumbMoveInsideTheSong) {
    EXPECT_EQ(NextPlayPosition(50, kScrollLineDown, 0, 160), 60);
    EXPECT_EQ(NextPlayPosition(50, kScrollLineUp, 0, 160), 40);
    EXPECT_EQ(NextPlayPosition(50, kScrollPageDown, 0, 160), 150);
    EXPECT_EQ(NextPlayPosition(50, kScrollPageUp, 0, 160), 0);
    EXPECT_EQ(NextPlayPosition(155, kScrollPageDown, 0, 160), 160);
    EXPECT_EQ(NextPlayPosition(50, kScrollThumbPosition, 123, 160), 123);
    EXPECT_EQ(NextPlayPosition(50, kScrollThumbTrack, 999, 160), 160);
    EXPECT_EQ(NextPlayPosition(50, 8, 0, 160), 50);  // SB_ENDSCROLL
    EXPECT_TRUE(ScrollMovesPosition(kScrollThumbPosition));
    EXPECT_FALSE(ScrollMovesPosition(kScrollThumbTrack));
    EXPECT_FALSE(ScrollMovesPosition(8));
}

TEST(PositionBar, EnabledOnlyForAFileWithALengthAndNoSave) {
    EXPECT_TRUE(PositionBarEnabled(kEnginePlay, false, 10));
    EXPECT_FALSE(PositionBarEnabled(kEnginePlay, true, 10));
    EXPECT_FALSE(PositionBarEnabled(kEnginePlay, false, 0));
    EXPECT_FALSE(PositionBarEnabled(kEngineMonitor, false, 10));
    EXPECT_FALSE(PositionBarEnabled(kEngineNone, false, 10));
}

TEST(PositionBar, LiesBelowThePanelAndMakesTheWindowTaller) {
    LayoutUnits u;
    u.unitX = 8;
    u.unitY = 6;
    const ControlRect r = PositionBarRect(u);
    EXPECT_GE(r.y, ClientHeight(u));
    EXPECT_EQ(r.height, 2 * u.unitY);
    EXPECT_LE(r.y + r.height, WindowClientHeight(u));
    EXPECT_GT(r.width, 0);
    EXPECT_LE(r.x + r.width, WindowClientWidth(u));
}

TEST(JumpKeys, ControlArrowsAndHomeJumpWithAFileOpen) {
    EXPECT_EQ(ShortcutCommand(0x25, true, 1, true), IDM_JUMP_BACK);
    EXPECT_EQ(ShortcutCommand(0x27, true, 1, false), IDM_JUMP_FORWARD);
    EXPECT_EQ(ShortcutCommand(0x24, true, 1, false), IDM_JUMP_START);
    EXPECT_EQ(ShortcutCommand(0xDB, true, 1, false), IDM_LOOP_START);
    EXPECT_EQ(ShortcutCommand(0xDD, true, 1, true), IDM_LOOP_END);
    EXPECT_EQ(ShortcutCommand('L', true, 1, true), IDM_LOOP);
    EXPECT_EQ(ShortcutCommand(0x27, false, 1, true), 0);
    EXPECT_EQ(ShortcutCommand(0x27, true, 2, true), 0);
    EXPECT_EQ(ShortcutCommand('L', true, 0, false), 0);
}

TEST(LoopEnds, TheLoopNeverRunsBackwards) {
    LoopRange loop;
    EXPECT_FALSE(loop.Plays());
    SetLoopStart(loop, 30);
    loop.on = true;
    EXPECT_FALSE(loop.Plays());
    SetLoopEnd(loop, 50);
    EXPECT_TRUE(loop.Plays());
    // Playing stays inside a playing loop: from its End on, back to Start.
    EXPECT_EQ(PositionInLoop(loop, 10), 10);
    EXPECT_EQ(PositionInLoop(loop, 49), 49);
    EXPECT_EQ(PositionInLoop(loop, 50), 30);
    EXPECT_EQ(PositionInLoop(loop, 80), 30);
    SetLoopStart(loop, 60);  // after End: End is dropped
    EXPECT_EQ(loop.end, -1);
    EXPECT_FALSE(loop.Plays());
    SetLoopEnd(loop, 40);  // before Start: not taken
    EXPECT_EQ(loop.end, -1);
    LoopRange fromStart;
    SetLoopEnd(fromStart, 20);  // End alone loops from the song's start
    EXPECT_EQ(fromStart.start, 0);
    EXPECT_EQ(fromStart.end, 20);
    loop.on = false;
    SetLoopEnd(loop, 90);
    EXPECT_FALSE(loop.Plays());
    EXPECT_EQ(PositionInLoop(loop, 95), 95);
}

std::vector<int16_t> Tone(double hz, double phase, uint32_t frames) {
    std::vector<int16_t> s;
    for (uint32_t i = 0; i < frames; ++i)
        s.push_back(static_cast<int16_t>(20000 * std::sin(phase + 6.283185307 * hz * i / 44100)));
    return s;
}

double LargestStep(const std::vector<int16_t>& s) {
    double largest = 0;
    for (size_t i = 1; i < s.size(); ++i)
        largest = std::max(largest, std::fabs(double(s[i]) - s[i - 1]));
    return largest;
}

// The sound up to End, then what the seam makes of the sound from Start.
std::vector<int16_t> Seam(const std::vector<int16_t>& before, std::vector<int16_t> head,
                          const std::vector<int16_t>* tail, uint32_t frames) {
    CrossFadeLoopSeam(reinterpret_cast<uint8_t*>(head.data()), uint32_t(head.size() * 2),
                      tail ? reinterpret_cast<const uint8_t*>(tail->data()) : nullptr,
                      tail ? uint32_t(tail->size() * 2) : 0, frames, 1);
    std::vector<int16_t> joined = before;
    joined.insert(joined.end(), head.begin(), head.end());
    return joined;
}

TEST(LoopSeam, TheCrossFadeMakesNoStepBeyondTheSoundAndTheFade) {
    const uint32_t frames = LoopFadeFrames(44100);
    EXPECT_EQ(frames, 661u);
    EXPECT_EQ(LoopFadeFrames(0), 1u);
    // End falls at phase 0 of a 440 Hz tone, Start at its peak.
    const std::vector<int16_t> before = Tone(440, -6.283185307 * 440 * 1000 / 44100, 1000);
    const std::vector<int16_t> after = Tone(440, 0, frames);
    const std::vector<int16_t> start = Tone(440, 1.5707963, 4000);
    const double own = 20000 * 6.283185307 * 440 / 44100;  // the tone's own largest step
    EXPECT_GT(LargestStep(Seam(before, start, nullptr, 1)), 2 * own) << "a hard cut clicks";
    EXPECT_LT(LargestStep(Seam(before, start, &after, frames)), own + 2 * 20000.0 / frames);
    // With no sound after End at hand, the head rises from silence.
    const std::vector<int16_t> faded = Seam({}, start, nullptr, frames);
    EXPECT_LT(std::abs(faded[0]), 20000 / int(frames) + 2);
    EXPECT_EQ(faded[frames + 10], start[frames + 10]);
    // Unsigned 8-bit sound fades about its middle value.
    std::vector<uint8_t> head(100, 28), tail(100, 128);
    CrossFadeLoopSeam(head.data(), 100, tail.data(), 100, 20, 0);
    EXPECT_NEAR(head[0], 128, 3);
    EXPECT_EQ(head[50], 28);
}

// MPEG-1 Layer III at 128 kbit/s and 44.1 kHz: 417 bytes a frame, 418
// with the padding bit.
void AppendFrame(std::vector<uint8_t>& out, bool padding, bool mpeg2 = false) {
    const uint32_t word =
        mpeg2 ? 0xFFF38000u | uint32_t{padding} << 9 : 0xFFFB9000u | uint32_t{padding} << 9;
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(word >> shift));
    const size_t length = (mpeg2 ? 208 : 417) + padding;  // 72 * 64000 / 22050 for MPEG-2
    out.resize(out.size() + length - 4, 0);
}

TEST(MpegFrameSeek, FindsTheFrameHoldingTheOffsetAndNeverLandsInsideOne) {
    std::vector<uint8_t> data(100, 0x55);  // other chunks before the data
    std::vector<uint32_t> starts;
    for (int k = 0; k < 10; ++k) {
        starts.push_back(static_cast<uint32_t>(data.size() - 100));
        AppendFrame(data, k % 3 == 1);
    }
    const uint32_t size = static_cast<uint32_t>(data.size() - 100);
    MemoryByteSource source(data);
    MpegFramePlace place;
    ASSERT_TRUE(FindMpegFrame(source, 100, size, starts[5] + 200, place));
    EXPECT_EQ(place.offset, starts[5]);
    EXPECT_EQ(place.frameIndex, 5u);
    EXPECT_EQ(place.samplesPerFrame, 1152u);
    ASSERT_TRUE(FindMpegFrame(source, 100, size, starts[7], place));
    EXPECT_EQ(place.offset, starts[7]);
    ASSERT_TRUE(FindMpegFrame(source, 100, size, 0, place));
    EXPECT_EQ(place.offset, 0u);
    ASSERT_TRUE(FindMpegFrame(source, 100, size, size + 5000, place));
    EXPECT_EQ(place.offset, starts[9]);
    EXPECT_EQ(place.frameIndex, 9u);
    // By frame number: the walk ends at that frame.
    ASSERT_TRUE(FindMpegFrame(source, 100, size, size, place, 6));
    EXPECT_EQ(place.offset, starts[6]);
    EXPECT_EQ(place.frameIndex, 6u);
}

TEST(MpegFrameSeek, StopsAtDamageAndRefusesDataWithoutFrames) {
    std::vector<uint8_t> data;
    for (int k = 0; k < 4; ++k) AppendFrame(data, false);
    const uint32_t damaged = static_cast<uint32_t>(data.size());
    data.resize(data.size() + 2000, 0x00);
    MemoryByteSource source(data);
    MpegFramePlace place;
    ASSERT_TRUE(FindMpegFrame(source, 0, uint32_t(data.size()), damaged + 1000, place));
    EXPECT_EQ(place.offset, 3 * 417u);
    std::vector<uint8_t> none(3000, 0);
    MemoryByteSource empty(none);
    EXPECT_FALSE(FindMpegFrame(empty, 0, 3000, 1000, place));
    std::vector<uint8_t> half;
    for (int k = 0; k < 3; ++k) AppendFrame(half, false, true);
    MemoryByteSource mpeg2(half);
    ASSERT_TRUE(FindMpegFrame(mpeg2, 0, uint32_t(half.size()), uint32_t(half.size()), place));
    EXPECT_EQ(place.samplesPerFrame, 576u);
    EXPECT_EQ(place.frameIndex, 2u);
}

}  // namespace
}  // namespace lomvex
