// The transform's radix-4 passes eight doubles at a time, for
// processors with AVX-512. They give the same bits as the passes of fft.cpp.
#pragma once

namespace lomvex {

// Whether this processor and system run these passes, and this build
// has them.
bool WidestPassesUsable();

// One radix-4 pass over n points, joining blocks of h points (h a multiple
// of 8) into blocks of 4h; `tw` holds the pass's twiddles as MakeFftTables
// lays them out. Only where WidestPassesUsable().
void WidestRadix4Pass(double* re, double* im, int n, int h, const double* tw, bool inverse);

}  // namespace lomvex
