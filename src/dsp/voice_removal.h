// Keep-stereo voice removal: a streaming stage that takes the centred lead
// voice out of a stereo stream in the frequency domain and keeps both
// channels, with the centred bass and drums and the panned instruments.
//
// How: frames of N points (about 90 ms, a power of two) every H = N/4
// frames, periodic Hann windows for analysis and synthesis, both channels in
// one complex transform. Per bin the part common to both channels is the
// centre; of the centre only what is harmonic (median filters across time
// and frequency), above the low band and near the harmonics of the voice's
// pitch (voice_pitch.h) is taken as the voice, and the side part that
// follows where the voice was is taken as its reverb (voice_mask.h). The
// mask of a frame waits for the next kLookAhead frames.
//
// Stream contract:
//  - Samples are doubles in any scale (the frame pipeline's 16-bit units
//    work as they are); left and right are separate arrays.
//  - RemoveVoice processes a block of any length in place and writes
//    exactly as many frames as it got. The output lags the input by
//    VoiceRemovalLatency frames, fixed from StartVoiceRemoval on: the first
//    Latency output frames of a stream come before the input's start
//    (silence), and FlushVoiceRemoval writes the last Latency frames. A
//    saved file drops the first Latency frames and appends the flushed
//    ones, and so is exactly as long as its source.
//  - Cutting a stream into blocks changes nothing: every step works on
//    whole frames, whatever the blocks.
//  - Where the channels hold nothing in common (one side only, or
//    unrelated sides), the output is the input, delayed.
#pragma once

#include <memory>

#include "dsp/fft.h"
#include "dsp/voice_mask.h"

namespace lomvex {

// One stream's voice removal. StartVoiceRemoval makes it; the other calls
// only use what it made and allocate nothing.
struct VoiceRemovalState {
    int n = 0;         // frame length N; 0 until started
    int hop = 0;       // H = N/4
    int latency = 0;   // N + kLookAhead * H
    int ringMask = 0;  // ring length - 1: the rings hold a power of two of frames

    FftTables fft;
    std::unique_ptr<double[]> window;     // periodic Hann, N points
    FramePair frame;                      // left in re, right in im
    std::unique_ptr<double[]> input[2];   // ring of the input by absolute index
    std::unique_ptr<double[]> output[2];  // ring of the frames added up, by input index
    VoiceMask mask;

    long long inputCount = 0;  // frames received since the start
};

// Makes `state` for a stereo stream at `sampleRate` Hz (1000 .. 400000);
// called again, it starts a new stream. Returns false, leaving n = 0, when
// the rate is refused or the memory cannot be had.
bool StartVoiceRemoval(VoiceRemovalState& state, double sampleRate);

// Output lag in frames: fixed from Start on, at most 150 ms of the rate.
int VoiceRemovalLatency(const VoiceRemovalState& state);

// Removes the voice from `count` frames of `left` and `right` in place.
void RemoveVoice(VoiceRemovalState& state, double* left, double* right, int count);

// Writes the stream's last VoiceRemovalLatency frames into left/right, as
// if that much silence followed the input.
void FlushVoiceRemoval(VoiceRemovalState& state, double* left, double* right);

}  // namespace lomvex
