// Stereo voice removal (stand-in until the frequency-domain stage lands):
// the centre taken out of both channels after a fixed delay.
#pragma once

#include <memory>

namespace lomvex {

struct VoiceRemovalState {
    int latency = 0;
    long long count = 0;
    std::unique_ptr<double[]> delay[2];
};

bool StartVoiceRemoval(VoiceRemovalState& state, double sampleRate);
int VoiceRemovalLatency(const VoiceRemovalState& state);
void RemoveVoice(VoiceRemovalState& state, double* left, double* right, int count);
void FlushVoiceRemoval(VoiceRemovalState& state, double* left, double* right);

}  // namespace lomvex
