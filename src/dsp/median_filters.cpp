// Median of nine by a fixed network of compare-exchanges (19 of them, which
// leave the median in the middle place), and a running median that keeps its
// window sorted as it slides, one value out and one in per step.
#include "dsp/median_filters.h"

#include <algorithm>

namespace lomvex {
namespace {

inline void Order(double& a, double& b) {
    const double low = std::min(a, b);
    b = std::max(a, b);
    a = low;
}

// Removes one value equal to `value` from the sorted window[0 .. size),
// size > 0. A value that compares unordered (NaN) is not found: the last
// one goes then, so the window keeps its size and stays in bounds. The
// windows are short: plain loops beat a call to move memory.
void RemoveSorted(double* window, int& size, double value) {
    int at = static_cast<int>(std::lower_bound(window, window + size, value) - window);
    if (at == size) at = size - 1;
    for (--size; at < size; ++at) window[at] = window[at + 1];
}

// Inserts `value` after the values equal to it.
void InsertSorted(double* window, int& size, double value) {
    int at = size++;
    for (; at > 0 && value < window[at - 1]; --at) window[at] = window[at - 1];
    window[at] = value;
}

}  // namespace

void MedianOfNineRows(const double* rows, int stride, int count, double* out) {
    for (int k = 0; k < count; ++k) {
        double p[kMedianRows];
        for (int r = 0; r < kMedianRows; ++r) p[r] = rows[r * stride + k];
        Order(p[1], p[2]), Order(p[4], p[5]), Order(p[7], p[8]);
        Order(p[0], p[1]), Order(p[3], p[4]), Order(p[6], p[7]);
        Order(p[1], p[2]), Order(p[4], p[5]), Order(p[7], p[8]);
        Order(p[0], p[3]), Order(p[5], p[8]), Order(p[4], p[7]);
        Order(p[3], p[6]), Order(p[1], p[4]), Order(p[2], p[5]);
        Order(p[4], p[7]), Order(p[4], p[2]), Order(p[6], p[4]);
        Order(p[4], p[2]);
        out[k] = p[4];
    }
}

void RunningMedian(const double* in, int count, int reach, double* window, double* out) {
    if (count <= 0) return;
    int size = 0;
    for (int i = 0; i <= std::min(count - 1, reach); ++i) InsertSorted(window, size, in[i]);
    for (int k = 0; k < count; ++k) {
        out[k] = window[size / 2];
        if (k - reach >= 0) RemoveSorted(window, size, in[k - reach]);
        if (k + reach + 1 < count) InsertSorted(window, size, in[k + reach + 1]);
    }
}

}  // namespace lomvex
