// What the pitch comparison measures in an output: its lag behind the
// ideal, its log-spectral distance to the ideal, the frequency of a tone.
#pragma once

#include <vector>

#include "test_song.h"

namespace lomvex {

// The lag (output frames, within +-maxLag, a multiple of 16) at which the
// output best matches the ideal, output[i + lag] ~ ideal[i]: the peak of the
// cross-correlation of their loudness curves.
int BestLag(const StereoSound& output, const StereoSound& ideal, int maxLag);

// The log-spectral distance in dB between the ideal and the output taken
// `lag` frames later: frames of 4096 at hop 1024, Hann-weighted, magnitudes
// in dB floored at 80 dB below the ideal's highest bin; per frame the root
// mean square of the differences over bins 0 .. 2048, averaged over the
// frames of the ideal and both channels.
double LogSpectralDistance(const StereoSound& output, int lag, const StereoSound& ideal);

// How a click train came through: each click's energy within 30 ms of its
// ideal place (ideal[k] frames), its centre the middle of the span that
// holds 5 .. 95 % of that energy. `offsetMs` is the widest distance of a
// centre from its ideal place after the median distance (the program's
// lag) is taken off; `widthMs` the widest such span.
struct ClickFit {
    double offsetMs = 0;
    double widthMs = 0;
};
ClickFit FitClicks(const std::vector<double>& x, const std::vector<double>& ideal);

// The frequency of a steady tone over samples [from, to) of `x`: the slope
// of a least-squares line through its rising zero crossings, each placed by
// linear interpolation.
double ToneHz(const std::vector<double>& x, int from, int to);

}  // namespace lomvex
