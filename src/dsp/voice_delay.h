// The time by which the right channel's centre lags the left one.
//
// A lead voice recorded with two microphones, or placed by a delay, is in
// both channels but not at the same time: 0.3 ms turns its phase between
// the channels by a full cycle at 3.3 kHz, and a mask that looks for what
// both channels hold in phase no longer finds it. The lag is found as the
// peak of the generalized cross-correlation over the voice's band, from the
// cross spectrum of the bins that hold the voice's harmonics averaged over
// about a second (each bin weighed by the square root of its magnitude),
// and the right channel is turned by it before the centre is measured.
#pragma once

#include <memory>

namespace lomvex {

struct ChannelDelay {
    int n = 0;
    int fromBin = 0, toBin = 0;  // the band the lag is measured in
    double mostLag = 0.0;        // the largest lag looked for, in samples
    double lag = 0.0;            // samples the right channel is late; 0 until found
    long long frames = 0;
    std::unique_ptr<double[]> crossRe, crossIm;  // averaged weighted cross spectrum
};

// Makes `delay` for transforms of `n` points at `sampleRate`; false when the
// memory cannot be had.
bool MakeChannelDelay(ChannelDelay& delay, int n, double sampleRate);

// Adds one frame's spectra (bins 0 .. n/2) to the average and, every few
// frames, finds the lag again. `voice` (bins 0 .. n/2, 0 to 1) weighs each
// bin by how much it holds the voice: the centred bass and drums are in
// both channels without a lag, and where they outweigh the voice, or
// while it rests, an unweighted average would find their lag instead.
void AddDelayFrame(ChannelDelay& delay, const double* leftRe, const double* leftIm,
                   const double* rightRe, const double* rightIm, const double* voice);

// Turns bins 0 .. n/2 of a right channel's spectrum by `lag` samples: a
// positive lag moves it earlier, a negative one later.
void TurnSpectrum(double* re, double* im, int n, double lag);

}  // namespace lomvex
