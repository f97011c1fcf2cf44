// Engine arithmetic: one-time lengths, buffer sizes, the last-buffer mark,
// the saved format, the record format fitting, the enabling rules and the
// pacing of a save's window updates.
#include <gtest/gtest.h>

#include <vector>

#include "audiofile/byte_source.h"
#include "engine/buffer_sizes.h"
#include "engine/saved_format.h"
#include "engine/update_pacer.h"
#include "shell/enabling.h"
#include "shell/record_format.h"

namespace lomvex {
namespace {

FormatFields Pcm(uint16_t channels, uint32_t rate, uint16_t bits) {
    FormatFields f;
    f.tag = 1;
    f.channels = channels;
    f.samplesPerSec = rate;
    f.bitsPerSample = bits;
    f.blockAlign = static_cast<uint16_t>(channels * bits / 8);
    f.avgBytesPerSec = rate * f.blockAlign;
    return f;
}

TEST(UpdatePacer, LetsOneUpdateThroughPerInterval) {
    UpdatePacer pacer(kSaveUpdateMs);
    EXPECT_TRUE(pacer.Due(1000));  // the first buffer of a save is shown
    EXPECT_FALSE(pacer.Due(1000));
    EXPECT_FALSE(pacer.Due(1032));
    EXPECT_TRUE(pacer.Due(1033));
    // Counted from the last update, not from when it was first due.
    EXPECT_FALSE(pacer.Due(1065));
    EXPECT_TRUE(pacer.Due(1100));
    // A millisecond counter that wraps around keeps its pace.
    UpdatePacer wrapping(kSaveUpdateMs);
    EXPECT_TRUE(wrapping.Due(0xFFFFFFF0u));
    EXPECT_FALSE(wrapping.Due(0x00000005u));
    EXPECT_TRUE(wrapping.Due(0x00000011u));
}

TEST(OneTimeLength, FollowsTheRateFamily) {
    EXPECT_EQ(ComputeOneTimeLength(Pcm(2, 44100, 16), 4096), 16u * 4096);
    EXPECT_EQ(ComputeOneTimeLength(Pcm(1, 11025, 8), 256), 256u);
    EXPECT_EQ(ComputeOneTimeLength(Pcm(2, 48000, 16), 4096), 24u * 4096);
    EXPECT_EQ(ComputeOneTimeLength(Pcm(2, 32000, 16), 1024), 16u * 1024);
    // 12000 Hz mono 16-bit: 24000 / 8000 × U in real arithmetic.
    EXPECT_EQ(ComputeOneTimeLength(Pcm(1, 12000, 16), 4096), 12288u);
    // MP3 at 128 kbit/s: 16000 / 8000 × 4096 bytes of compressed data.
    FormatFields mp3 = Pcm(2, 44100, 16);
    mp3.tag = 85;
    mp3.avgBytesPerSec = 16000;
    mp3.blockAlign = 1;
    EXPECT_EQ(ComputeOneTimeLength(mp3, 4096), 8192u);
}

TEST(OneTimeLength, IsWholeBlocksAndNeverZero) {
    FormatFields odd = Pcm(2, 44100, 16);
    odd.avgBytesPerSec = 1000;  // 1000 / 11025 × 256 = 23.2 → 20, whole 4-byte blocks
    EXPECT_EQ(ComputeOneTimeLength(odd, 256), 20u);
    odd.samplesPerSec = 12345;  // 1000 / 8000 × 256 = 32
    EXPECT_EQ(ComputeOneTimeLength(odd, 256), 32u);
    odd.avgBytesPerSec = 0;
    EXPECT_EQ(ComputeOneTimeLength(odd, 4096), 4u);  // one block
    odd.avgBytesPerSec = 100003;
    EXPECT_EQ(ComputeOneTimeLength(odd, 256) % 4, 0u);
}

TEST(WaveBufferSize, AddsHalfAFrameForTheOverlapPath) {
    EXPECT_EQ(WaveBufferSize(1000, false, 10, 3), 1000u);
    EXPECT_EQ(WaveBufferSize(1000, true, 10, 0), 1000u + 512);
    EXPECT_EQ(WaveBufferSize(1000, true, 10, 1), 1000u + 1024);
    EXPECT_EQ(WaveBufferSize(1000, true, 10, 2), 1000u + 1024);
    EXPECT_EQ(WaveBufferSize(1000, true, 10, 3), 1000u + 2048);
}

// An empty pipeline output is replaced by four bytes of silence: 128 for
// 8-bit sound (a zero byte there is a full-scale click), 0 for 16-bit.
TEST(EmptyOutput, IsSilenceOfTheLayout) {
    uint8_t buffer[6] = {1, 2, 3, 4, 5, 6};
    EXPECT_EQ(FillEmptyOutput(buffer, 2), 4u);
    EXPECT_EQ(std::vector<uint8_t>(buffer, buffer + 6),
              (std::vector<uint8_t>{128, 128, 128, 128, 5, 6}));
    EXPECT_EQ(FillEmptyOutput(buffer, 0), 4u);
    EXPECT_EQ(buffer[0], 128);
    FillEmptyOutput(buffer, 3);
    EXPECT_EQ(std::vector<uint8_t>(buffer, buffer + 6), (std::vector<uint8_t>{0, 0, 0, 0, 5, 6}));
}

TEST(LastBufferMark, GoesOnTheLastBufferThatGotSoundOnceNothingIsOwed) {
    const uint32_t one[4] = {100, 0, 0, 0};
    EXPECT_TRUE(IsLastQueuedBuffer(0, one, 0, false));
    EXPECT_FALSE(IsLastQueuedBuffer(0, one, 0, true));  // the stages' last sound follows
    const uint32_t two[4] = {100, 100, 0, 0};
    EXPECT_FALSE(IsLastQueuedBuffer(0, two, 0, false));
    EXPECT_TRUE(IsLastQueuedBuffer(1, two, 0, false));
    const uint32_t four[4] = {100, 100, 100, 100};
    EXPECT_FALSE(IsLastQueuedBuffer(3, four, 50, false));
    EXPECT_TRUE(IsLastQueuedBuffer(3, four, 0, false));
}

TEST(TempoReadLength, ReadsLessBelow100InWholeBlocks) {
    EXPECT_EQ(TempoReadLength(16384, 4, 100), 16384u);
    EXPECT_EQ(TempoReadLength(16384, 4, 200), 16384u);  // faster: less sound comes out
    EXPECT_EQ(TempoReadLength(16384, 4, 50), 8192u);
    EXPECT_EQ(TempoReadLength(16384, 4, 75), 12288u);
    EXPECT_EQ(TempoReadLength(16383, 3, 51), 8355u);  // whole blocks of 3
    EXPECT_EQ(TempoReadLength(4, 4, 50), 4u);         // never less than a block
    EXPECT_EQ(TempoReadLength(10, 0, 50), 5u);        // a zero block counts as one byte
}

TEST(SavedFormat, IsEighteenBytesMonoForTheMixingOperations) {
    SavedFormatBytes mono = SavedFormat(Pcm(2, 44100, 16), true);
    EXPECT_EQ(U16Le(&mono[kFmtChannels]), 1);
    EXPECT_EQ(U16Le(&mono[kFmtBlockAlign]), 2);
    EXPECT_EQ(U32Le(&mono[kFmtAvgBytesPerSec]), 88200u);
    EXPECT_EQ(U16Le(&mono[kFmtCbSize]), 0);
    SavedFormatBytes same = SavedFormat(Pcm(2, 22050, 8), false);
    EXPECT_EQ(U16Le(&same[kFmtChannels]), 2);
    EXPECT_EQ(U32Le(&same[kFmtSamplesPerSec]), 22050u);
    EXPECT_EQ(U32Le(&same[kFmtAvgBytesPerSec]), 44100u);
}

TEST(RecordFormat, IsFittedToTheInputDevice) {
    Settings s;
    FitRecordFormat(s, 0);  // no input device
    EXPECT_EQ(s.channel, 1);
    EXPECT_EQ(s.bits, 8);
    EXPECT_EQ(s.freq, 11025u);
    Settings up22;
    FitRecordFormat(up22, 0x0FF);  // 11 and 22 kHz only
    EXPECT_EQ(up22.freq, 22050u);
    EXPECT_EQ(up22.channel, 2);
    Settings at48;
    at48.freq = 48000;
    FitRecordFormat(at48, 0x0FF);
    EXPECT_EQ(at48.freq, 48000u);  // only 44100 is lowered
}

TEST(Enabling, FollowsTheProgramState) {
    EnablingFacts facts;
    facts.hasOutputDevice = false;
    ItemStates start = StartItems(facts);
    EXPECT_FALSE(*start.open);
    EXPECT_TRUE(*start.monitor);
    EXPECT_FALSE(*start.save);

    facts.engineMode = 1;
    facts.processable = false;
    EXPECT_FALSE(*OpenedItems(facts).save);
    EXPECT_TRUE(*OpenedItems(facts).info);
    ItemStates ended = IdleItems(true, facts);
    EXPECT_TRUE(*ended.play);
    EXPECT_FALSE(*ended.save);  // neither PCM nor decoded: Save stays off
    facts.processable = true;
    EXPECT_TRUE(*IdleItems(true, facts).save);
    EXPECT_FALSE(*IdleItems(false, facts).save);

    facts.engineMode = 2;
    ItemStates monitorEnded = IdleItems(true, facts);
    EXPECT_FALSE(monitorEnded.save.has_value());  // keeps what opening gave it
    EXPECT_FALSE(monitorEnded.info.has_value());
    facts.hasInputDevice = false;
    EXPECT_FALSE(*IdleItems(true, facts).monitor);
    facts.parametricMode = true;
    EXPECT_FALSE(*IdleItems(false, facts).parametricFields);
    EXPECT_TRUE(*EngineItems(true).stop);
}

}  // namespace
}  // namespace lomvex

#include "resources/ids.h"
#include "shell/shortcuts.h"

namespace lomvex {
namespace {

TEST(Shortcuts, DependOnTheEngineState) {
    EXPECT_EQ(ShortcutCommand(0x70, false, 0, false), IDM_HELP);
    EXPECT_EQ(ShortcutCommand('P', true, 1, false), IDM_PLAY);
    EXPECT_EQ(ShortcutCommand('P', true, 1, true), IDM_PAUSE);
    EXPECT_EQ(ShortcutCommand('P', true, 0, false), 0);
    EXPECT_EQ(ShortcutCommand('P', false, 1, false), 0);
    EXPECT_EQ(ShortcutCommand('R', true, 2, false), IDM_PLAY);
    EXPECT_EQ(ShortcutCommand('R', true, 2, true), 0);
    EXPECT_EQ(ShortcutCommand('S', true, 1, true), IDM_STOP);
    EXPECT_EQ(ShortcutCommand('S', true, 1, false), 0);
}

TEST(ColourScheme, IsDarkWhenTheTextIsAsBrightAsTheWindow) {
    EXPECT_FALSE(IsDarkScheme(0x000000, 0xFFFFFF));
    EXPECT_TRUE(IsDarkScheme(0xFFFFFF, 0x000000));
    EXPECT_TRUE(IsDarkScheme(0x808080, 0x808080));
    EXPECT_TRUE(IsDarkScheme(0x0000FF, 0xFF0000));  // red 76 beats blue 29
}

}  // namespace
}  // namespace lomvex
