// The per-bin gains of voice removal, frame by frame, and the history they
// need.
//
// For each bin of a frame, with L and R its two channels (R turned by the
// lag of the centre behind L, voice_delay.h):
//  - centre: sqrt(max(0, Re(L conj R))), the magnitude of what both channels
//    hold in common (uncorrelated side parts add nothing to it on average);
//  - harmonic share of the centre: H / (H + P), H the median across the
//    frames around it (of the centre's local maximum over some 50 Hz, so a
//    sung vibrato and a spoken voice's glides stay harmonic) and P the
//    median across nearby bins:
//    kick and snare spread across frequency and go. The ratio of the
//    magnitudes, not of their squares: a bin that is partly both (a spoken
//    voice's noisy partials, a chord over a drum) is taken in part, where
//    the squares would make it all one or the other;
//  - the voice: the harmonic centre near the harmonics of the pitch found in
//    it (voice_pitch.h), and above 200 Hz also wherever the channels are
//    coherent at equal levels (consonants, harmonics of a gliding pitch);
//    never in the low band where the bass lives;
//  - the voice is taken off both channels as estimated from both: the
//    least-squares estimate of the centre from L and R (voice_mask.cpp),
//    from the powers and the channels' product summed over neighbouring
//    bins and frames against musical noise, the centre power discounted
//    where the channels are coherent at unequal levels (one instrument
//    panned part way, no centre at all);
//  - the voice's reverb: a memory of the voice's power per bin, decaying as
//    a room does, is taken off the rest by spectral subtraction.
#pragma once

#include <memory>

#include "dsp/voice_delay.h"

namespace lomvex {

constexpr int kLookAhead = 2;  // frames after the masked one that its mask reads
constexpr int kLookBack = 6;   // frames before it
constexpr int kMaskFrames = kLookBack + 1 + kLookAhead;

struct VoiceMask {
    int n = 0;     // transform length; 0 until made
    int bins = 0;  // N/2 + 1
    double binHz = 0.0;
    double topHz = 0.0;             // highest harmonic taken as the voice
    int lowFrom = 0;                // bins below pass untouched (the bass)
    int lowTo = 0;                  // from here on the voice is taken in full
    double reverbDecay = 0.0;       // power factor of the reverb memory per frame
    long long frames = 0;           // frames added
    ChannelDelay delay;             // the right channel's lag behind the left
    double lags[kMaskFrames] = {};  // the lag each frame of the history was turned by

    std::unique_ptr<double[]> spectra;     // kMaskFrames rings of L re, L im, R re, R im
    std::unique_ptr<double[]> powers;      // kMaskFrames rings of Re(L conj R), |L|^2, |R|^2
    std::unique_ptr<double[]> centre;      // kMaskFrames rows of centre magnitudes
    std::unique_ptr<double[]> wide;        // the same, the maximum over nearby bins
    std::unique_ptr<double[]> harmonic;    // scratch: harmonic centre of the masked frame
    std::unique_ptr<double[]> share;       // scratch: its harmonic share
    std::unique_ptr<double[]> comb;        // harmonics of the voice in the last masked frame;
                                           // they weigh the next frame's lag search
    std::unique_ptr<double[]> compressed;  // scratch of the pitch tracker
    std::unique_ptr<double[]> reverb;      // memory of the voice's power per bin
    std::unique_ptr<double[]> reverbNear;  // scratch: its maximum over nearby bins
};

// Makes `mask` for transforms of `n` points at `sampleRate`; false, with
// n = 0, when the memory cannot be had.
bool MakeVoiceMask(VoiceMask& mask, int n, double sampleRate);

// Takes the forward transform of the newest frame (left in re, right in
// im) into the history.
void AddVoiceFrame(VoiceMask& mask, const double* re, const double* im);

// Writes into re/im (N points) the spectrum of the frame kLookAhead before
// the newest, with the voice taken out, ready for the inverse transform.
void MaskVoiceFrame(VoiceMask& mask, double* re, double* im);

}  // namespace lomvex
