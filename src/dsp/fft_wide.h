// The transform's radix-4 passes four doubles at a time, for processors
// with AVX. They give the same bits as the passes of fft.cpp.
#pragma once

namespace lomvex {

// Whether this processor and system run the wide passes, and this build
// has them.
bool WidePassesUsable();

// One radix-4 pass over n points, joining blocks of h points (h a multiple
// of 4) into blocks of 4h; `tw` holds the pass's twiddles as MakeFftTables
// lays them out. Only where WidePassesUsable().
void WideRadix4Pass(double* re, double* im, int n, int h, const double* tw, bool inverse);

}  // namespace lomvex
