// The transform's radix-4 passes four doubles at a time, for processors
// with AVX. They give the same bits as the passes of fft.cpp.
#pragma once

namespace lomvex {

// Whether this processor and system run the wide passes, and this build
// has them.
bool WidePassesUsable();

// Joins blocks of `first` points into blocks of 4, 16, ... times as many
// until they hold all n points; `tw` holds the passes' twiddles as
// MakeFftTables lays them out. Only where WidePassesUsable().
void WideRadix4Passes(double* re, double* im, int n, int first, const double* tw, bool inverse);

}  // namespace lomvex
