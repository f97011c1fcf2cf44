// The channel operation: the vocal canceller and stereo mixer that works on
// the raw interleaved PCM buffer before the frame pipeline.
//
//   511 "nothing"         sound passes unchanged
//   512 "balance adjust"  L' = (L*gL) >> 7, R' = (R*gR) >> 7
//   513 "L+R(monaural)"   both channels = (L*gL + R*gR) >> 8
//   514 "L-R(minusOne)"   both channels = (L*gL - R*gR) >> 8
//
// Gains are integers in 1/128 units from the balance (-128 .. 128); shifts
// are arithmetic (rounding toward minus infinity); 8-bit samples are taken as
// s - 128 and get 128 back. With gains of at most 128 every result fits the
// sample width, so there is no clipping step.
#pragma once

#include <cstdint>

#include "dsp/pcm_frames.h"
#include "resources/ids.h"

namespace lomvex {

constexpr int kChannelNothing = 511;
constexpr int kChannelBalance = 512;
constexpr int kChannelMonaural = 513;
constexpr int kChannelMinusOne = 514;
// The operations are the ids of their radio buttons.
static_assert(kChannelNothing == IDC_CHANNEL_NOTHING && kChannelBalance == IDC_CHANNEL_BALANCE &&
              kChannelMonaural == IDC_CHANNEL_MONAURAL && kChannelMinusOne == IDC_CHANNEL_MINUS_ONE);

// The control panel's choice.
struct ChannelSettings {
    int operation = kChannelNothing;  // 511 .. 514
    int balance = 0;                  // -128 .. 128, positive turns the left down
};

struct ChannelGains {
    int left;
    int right;
};

// gL = 128, gR = 128 + balance for balance < 0; gL = 128 - balance, gR = 128
// otherwise. The balance is clamped to -128 .. 128 first.
ChannelGains BalanceGains(int balance);

// "Keep stereo" (`voicecut` 1): for a stereo source that can be processed,
// the voice removal stage takes the place of "L-R(minusOne)", and the rest
// of the chain sees the operation "nothing" (two channels, no mono mix). A
// mono source has no centre to find: it keeps the classic operation.
bool RemovesVoiceInStereo(int voicecut, int operation, const PcmSource& source);

// The operation the channel step and the frame pipeline apply: "nothing"
// where the voice removal stage stands in for it, `operation` otherwise.
int ChainChannelOperation(int voicecut, int operation, const PcmSource& source);

// Reads `byteCount` bytes of buffers[sourceIndex] and writes the result to
// buffers[targetIndex]. Returns targetIndex when the target was written and
// sourceIndex when nothing was done: operation 511, mono sound, or a source
// that is neither PCM nor decoded to PCM. A trailing half pair is left out.
int ApplyChannelOperation(const ChannelSettings& settings, const PcmSource& source,
                          uint8_t* const* buffers, int targetIndex, int sourceIndex,
                          uint32_t byteCount);

}  // namespace lomvex
