// Reading a sound at fractional, evenly spaced positions: windowed-sinc
// interpolation whose pass band narrows when the spacing exceeds one sample,
// so that reading faster than the sound was recorded folds nothing back
// below the new Nyquist frequency.
//
// Numeric contract: a point at position p (in input samples) is
//     sum over i of x[i] * (c/b) * g((p - i)/b),   b = max(1, spacing),
// with g(u) = sinc(c*u) * kaiser(u/T) for |u| < T and 0 beyond, T the
// zero crossings of the table and c = kSincPassBand: the pass band ends at
// c/2 cycles per input sample divided by b. A constant reads back as itself
// up to the table's interpolation error (below -100 dB).
#pragma once

#include <memory>

namespace lomvex {

constexpr double kSincPassBand = 0.95;

// g(u) sampled at u = k/steps for k = 0 .. zeroCrossings*steps + 1, made
// once by MakeSincReader and read with linear interpolation.
struct SincReader {
    int zeroCrossings = 0;  // T: half the kernel's length at a spacing of 1
    int steps = 0;          // table points per unit of u
    std::unique_ptr<double[]> table;
};

// Makes the table for `zeroCrossings` (at least 1). Returns false, leaving
// zeroCrossings = 0, when the memory cannot be had.
bool MakeSincReader(SincReader& reader, int zeroCrossings);

// Input samples a point reads on each side of its position at `spacing`:
// the caller keeps that many samples before the first position and after
// the last one readable.
int SincReach(const SincReader& reader, double spacing);

// Writes out[c][k] for k = 0 .. count-1, c = 0 .. channels-1 (1 or 2): the
// sound rows[c] read at position start + k*spacing, where position 0 is
// rows[c][0]. Every sample within SincReach of those positions must be
// readable through rows[c].
void ReadSpaced(const SincReader& reader, const double* const* rows, int channels, double start,
                double spacing, int count, double* const* out);

}  // namespace lomvex
