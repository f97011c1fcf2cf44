// Balance, sum and difference of the two channels in 32-bit integer arithmetic.
#include "dsp/channel_operation.h"

namespace lomvex {
namespace {

inline int32_t Read16(const uint8_t* p) { return ReadSample16(p); }

inline void Write16(uint8_t* p, int32_t v) { WriteSample16(p, static_cast<int16_t>(v)); }

// One stereo pair: balance scales each side, sum/difference mixes both.
inline void MixPair(int operation, ChannelGains g, int32_t& left, int32_t& right) {
    if (operation == kChannelBalance) {
        left = (left * g.left) >> 7;
        right = (right * g.right) >> 7;
    } else {
        left = right = (left * g.left + right * g.right) >> 8;
    }
}

}  // namespace

ChannelGains BalanceGains(int balance) {
    if (balance < -128) balance = -128;
    if (balance > 128) balance = 128;
    if (balance < 0) return {128, 128 + balance};
    return {128 - balance, 128};
}

bool RemovesVoiceInStereo(int voicecut, int operation, const PcmSource& source) {
    return voicecut == 1 && operation == kChannelMinusOne &&
           LayoutChannels(source.layoutCode) == 2 && IsProcessable(source);
}

int ChainChannelOperation(int voicecut, int operation, const PcmSource& source) {
    return RemovesVoiceInStereo(voicecut, operation, source) ? kChannelNothing : operation;
}

int ApplyChannelOperation(const ChannelSettings& settings, const PcmSource& source,
                          uint8_t* const* buffers, int targetIndex, int sourceIndex,
                          uint32_t byteCount) {
    const int op = settings.operation;
    if (op != kChannelBalance && op != kChannelMonaural && op != kChannelMinusOne) {
        return sourceIndex;
    }
    if (LayoutChannels(source.layoutCode) != 2 || !IsProcessable(source)) return sourceIndex;

    ChannelGains g = BalanceGains(settings.balance);
    if (op == kChannelMinusOne) g.right = -g.right;

    const uint8_t* in = buffers[sourceIndex];
    uint8_t* out = buffers[targetIndex];
    if (source.layoutCode & kLayout16Bit) {
        const uint32_t samples = byteCount / 2;
        for (uint32_t i = 0; i + 1 < samples; i += 2) {
            int32_t left = Read16(in + 2 * i);
            int32_t right = Read16(in + 2 * i + 2);
            MixPair(op, g, left, right);
            Write16(out + 2 * i, left);
            Write16(out + 2 * i + 2, right);
        }
    } else {
        for (uint32_t i = 0; i + 1 < byteCount; i += 2) {
            int32_t left = in[i] - 128;
            int32_t right = in[i + 1] - 128;
            MixPair(op, g, left, right);
            out[i] = static_cast<uint8_t>(left + 128);
            out[i + 1] = static_cast<uint8_t>(right + 128);
        }
    }
    return targetIndex;
}

}  // namespace lomvex
