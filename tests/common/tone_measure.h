// The frequency of a steady tone in a test's sound, for tests of what a
// transposition did to it.
#pragma once

#include <cstddef>
#include <vector>

namespace lomvex::testing {

// The frequency of `x` (at `rate` Hz) between `from` and `to` seconds, from
// the first and last rising zero crossings there, each placed by linear
// interpolation.
inline double MeasuredHz(const std::vector<double>& x, double rate, double from, double to) {
    double first = -1, last = -1;
    int crossings = 0;
    for (size_t i = static_cast<size_t>(from * rate); i + 1 < to * rate && i + 1 < x.size(); ++i) {
        if (x[i] < 0 && x[i + 1] >= 0) {
            last = i + x[i] / (x[i] - x[i + 1]);
            if (first < 0) first = last;
            ++crossings;
        }
    }
    return crossings < 2 ? 0.0 : (crossings - 1) * rate / (last - first);
}

}  // namespace lomvex::testing
