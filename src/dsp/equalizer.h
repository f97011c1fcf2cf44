// The equalizer: real gains on the bins of a forward-transformed frame, in
// one of three modes (graphic bars, three parametric bands, Easy Setting).
//
// Decibels here are 6 units per factor 2: a value d means 2^(d/6).
// Bins are handled in pairs (i, N-1-i) for i = 0 .. N/2-1, both arrays of
// each; bin i stands for i*fs/N Hz, accumulated step by step in doubles.
#pragma once

#include "base/settings_values.h"

namespace lomvex {

constexpr int kParametricValues = 9;

// Voice ranges of the Easy Setting, in the order they are tried.
enum VoiceRange { kSoprano, kMezzosoprano, kAltoTenor, kBaritone, kBass, kVoiceRanges };

// The Easy Setting check boxes.
struct EasySetting {
    bool voice[kVoiceRanges] = {};  // indexed by VoiceRange
    bool octaveCut = false;         // doubles the upper edge of the voice cuts
    bool highBoost = false;
    bool lowBoost = false;
    bool subsonic = false;
};

struct EqualizerSettings {
    int fftmode = kFftModeGraphic;  // 152, 153 or 154; 0 counts as 152
    // T[0] (lowest band) .. T[19]: the bars' scroll positions, the negated
    // decibel value (-12 .. 72); gain 2^(-T/6).
    int bars[kBarCount] = {};
    // Per band b = 0, 1, 2: lower edge Hz, upper edge Hz, gain dB.
    double parametric[kParametricValues] = {};
    EasySetting easy;
};

// Multiplies the bins of re[0..n) and im[0..n) in place. `sampleRate` is the
// sound's own rate in Hz; `channelOperation` (511 .. 514) selects the low-band
// boost that Easy Setting adds under "L-R(minusOne)".
void ApplyEqualizer(const EqualizerSettings& settings, double sampleRate, int channelOperation,
                    double* re, double* im, int n);

}  // namespace lomvex
