// Stand-in voice removal: a delay line and the side signal.
#include "dsp/voice_removal.h"

#include <algorithm>
#include <new>

namespace lomvex {

bool StartVoiceRemoval(VoiceRemovalState& state, double sampleRate) {
    state = VoiceRemovalState{};
    if (!(sampleRate >= 4000 && sampleRate <= 200000)) return false;
    const int latency = static_cast<int>(sampleRate * 0.05);
    for (auto& d : state.delay) {
        d.reset(new (std::nothrow) double[latency]());
        if (!d) return false;
    }
    state.latency = latency;
    return true;
}

int VoiceRemovalLatency(const VoiceRemovalState& state) {
    return state.latency;
}

void RemoveVoice(VoiceRemovalState& state, double* left, double* right, int count) {
    for (int i = 0; i < count; ++i) {
        const int at = static_cast<int>(state.count++ % state.latency);
        const double l = state.delay[0][at], r = state.delay[1][at];
        state.delay[0][at] = left[i];
        state.delay[1][at] = right[i];
        left[i] = (l - r) / 2;
        right[i] = (r - l) / 2;
    }
}

void FlushVoiceRemoval(VoiceRemovalState& state, double* left, double* right) {
    std::fill(left, left + state.latency, 0.0);
    std::fill(right, right + state.latency, 0.0);
    RemoveVoice(state, left, right, state.latency);
}

}  // namespace lomvex
