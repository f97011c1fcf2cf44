// Offline short-time Fourier filtering for the benchmark's peers: frames of
// N points every N/4, periodic Hann windows for analysis and synthesis,
// overlap-add, no latency (the output lines up with the input).
#pragma once

#include <complex>
#include <functional>
#include <vector>

#include "bench_sound.h"

namespace lomvex::vbench {

using Bins = std::vector<std::complex<double>>;  // bins 0 .. N/2 of one channel

struct StereoBins {
    Bins left, right;
};

// Changes the bins of one frame of inputs[0] in place; inputs[1..] are
// read-only companions (stems) framed the same way.
using FrameFilter = std::function<void(std::vector<StereoBins>& frames)>;

// Filters inputs[0] frame by frame with `filter` and returns the result, as
// long as the input. `n` is a power of two (at least 16).
Stereo StftFilter(const std::vector<const Stereo*>& inputs, int n, const FrameFilter& filter);

}  // namespace lomvex::vbench
