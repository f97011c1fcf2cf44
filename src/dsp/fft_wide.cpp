// The wide radix-4 passes. This file alone is compiled for AVX (without FMA,
// so that products and sums are rounded one by one, as in the SSE2 passes);
// the rest of the program runs on any SSE2 processor and calls in here only
// after asking the processor.
//
// 64-bit Windows builds leave the wide passes out: GCC there does not align
// the stack for 32-byte spills.
#include "dsp/fft_wide.h"

#include "dsp/fft_kernels.h"

namespace lomvex {

#if defined(__AVX__) && !defined(_WIN64)

namespace {
typedef double Four __attribute__((vector_size(32)));
}  // namespace

bool WidePassesUsable() {
    return __builtin_cpu_supports("avx");
}

#else

namespace {
typedef Two Four;  // a build without AVX: the wide passes are never chosen
}  // namespace

bool WidePassesUsable() {
    return false;
}

#endif

void WideRadix4Pass(double* re, double* im, int n, int h, const double* tw, bool inverse) {
    if (inverse) {
        Radix4Pass<true, Four>(re, im, n, h, tw);
    } else {
        Radix4Pass<false, Four>(re, im, n, h, tw);
    }
}

}  // namespace lomvex
