// Exact median filters for the spectral masks: the median of nine rows per
// column, and the running median along a row. Each returns a value of its
// inputs, the same one that sorting them would put in the middle (for an
// even count, the upper of the two middle values), so they can stand in for
// a sort or std::nth_element without changing any result.
#pragma once

namespace lomvex {

constexpr int kMedianRows = 9;

// out[k] = the median of rows[r * stride + k] for r = 0 .. 8, k < count.
void MedianOfNineRows(const double* rows, int stride, int count, double* out);

// out[k] = the median of in[max(0, k - reach) .. min(count - 1, k + reach)].
// `window` holds 2 * reach + 1 doubles of scratch. in and out must differ.
void RunningMedian(const double* in, int count, int reach, double* window, double* out);

}  // namespace lomvex
