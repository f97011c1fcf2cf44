// The raised-cosine ramp table from which the "Hann" and "taper" frame
// shapes are built: w[i] = 0.5 - 0.5*cos(pi*i/L) for i = 0 .. L-1.
//
// One process-wide table of kRampTableSize doubles (half of the largest
// frame) and the length it was last filled for. The same table serves the
// rising region (sample i times w[i]) and the falling region (the i-th sample
// from the end times w[i]).
#pragma once

namespace lomvex {

constexpr int kRampTableSize = 32768;

// Fills the table for length `length` (clamped to 0 .. kRampTableSize) and
// records it; asking for the length already held does nothing.
void MakeRampTable(int length);

// The length the table was last filled for (0 before the first fill).
int RampTableLength();

// The table's entries; only the first RampTableLength() are meaningful.
const double* RampTable();

// The table for `length`, refilled only when it holds another length.
const double* RampFor(int length);

}  // namespace lomvex
