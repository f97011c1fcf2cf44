// The stream around the frames: input ring, frame schedule, overlap-add.
//
// Time line: frame j covers input [j*H - N + H, j*H + H), so it is
// analysed when input j*H + H has arrived, and its mask is made once frame
// j + kLookAhead is analysed. Samples are final when the last frame that
// covers them is added; a latency of N + kLookAhead * H lets every output
// frame be final when it is written, at any point within a hop.
#include "dsp/voice_removal.h"

#include <algorithm>
#include <cmath>
#include <new>
#include <utility>

namespace lomvex {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kFrameSeconds = 0.1;  // N is the largest power of two within
constexpr double kLowestRate = 1000.0;
constexpr double kHighestRate = 400000.0;
constexpr double kOverlapGain = 1.5;  // sum of squared periodic Hann windows at hop N/4

// Frame j is complete: window it, transform it, hand it to the mask, and
// once the look-ahead is there, add the masked frame j - kLookAhead.
void ProcessFrame(VoiceRemovalState& s, long long j) {
    const int n = s.n;
    const long long start = j * s.hop - n + s.hop;
    for (int k = 0; k < n; ++k) {
        const long long at = (start + k) & s.ringMask;
        s.frame.re[k] = s.window[k] * s.input[0][at];
        s.frame.im[k] = s.window[k] * s.input[1][at];
    }
    Fft(s.fft, s.frame.re, s.frame.im, kFftForward);
    AddVoiceFrame(s.mask, s.frame.re, s.frame.im);
    const long long masked = j - kLookAhead;
    if (masked < 0) return;
    MaskVoiceFrame(s.mask, s.frame.re, s.frame.im);
    Fft(s.fft, s.frame.re, s.frame.im, kFftInverse);
    const long long outStart = masked * s.hop - n + s.hop;
    for (int k = 0; k < n; ++k) {
        const long long at = (outStart + k) & s.ringMask;
        const double w = s.window[k] / kOverlapGain;
        s.output[0][at] += w * s.frame.re[k];
        s.output[1][at] += w * s.frame.im[k];
    }
}

}  // namespace

bool StartVoiceRemoval(VoiceRemovalState& state, double sampleRate) {
    state = VoiceRemovalState{};
    if (!(sampleRate >= kLowestRate && sampleRate <= kHighestRate)) return false;
    int m = 6;
    while (Pow2(m + 1) <= kFrameSeconds * sampleRate) ++m;
    const int n = Pow2(m);
    VoiceRemovalState s;
    s.n = n;
    s.hop = n / 4;
    s.latency = n + kLookAhead * s.hop;
    const int ring = 4 * n;
    s.ringMask = ring - 1;
    s.window.reset(new (std::nothrow) double[n]);
    for (int c = 0; c < 2; ++c) {
        s.input[c].reset(new (std::nothrow) double[ring]());
        s.output[c].reset(new (std::nothrow) double[ring]());
        if (!s.input[c] || !s.output[c]) return false;
    }
    if (!s.window || !MakeFramePair(s.frame, n) || !MakeFftTables(s.fft, m) ||
        !MakeVoiceMask(s.mask, n, sampleRate)) {
        return false;
    }
    for (int k = 0; k < n; ++k) s.window[k] = 0.5 - 0.5 * std::cos(2.0 * kPi * k / n);
    state = std::move(s);
    return true;
}

int VoiceRemovalLatency(const VoiceRemovalState& state) {
    return state.latency;
}

void RemoveVoice(VoiceRemovalState& state, double* left, double* right, int count) {
    if (state.n == 0) return;
    double* io[2] = {left, right};
    for (int done = 0; done < count;) {
        const int piece =
            std::min<long long>(count - done, state.hop - state.inputCount % state.hop);
        for (int c = 0; c < 2; ++c) {
            for (int k = 0; k < piece; ++k) {
                state.input[c][(state.inputCount + k) & state.ringMask] = io[c][done + k];
            }
        }
        const long long first = state.inputCount;
        state.inputCount += piece;
        if (state.inputCount % state.hop == 0)
            ProcessFrame(state, state.inputCount / state.hop - 1);
        for (int c = 0; c < 2; ++c) {
            for (int k = 0; k < piece; ++k) {
                double& slot = state.output[c][(first + k - state.latency) & state.ringMask];
                io[c][done + k] = slot;
                slot = 0.0;
            }
        }
        done += piece;
    }
}

void FlushVoiceRemoval(VoiceRemovalState& state, double* left, double* right) {
    std::fill(left, left + state.latency, 0.0);
    std::fill(right, right + state.latency, 0.0);
    RemoveVoice(state, left, right, state.latency);
}

}  // namespace lomvex
