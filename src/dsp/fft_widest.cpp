// The widest radix-4 passes, eight doubles at a time. This file alone is
// compiled for AVX-512, with contraction off: AVX-512 has fused
// multiply-adds, and products and sums must be rounded one by one, as in the
// SSE2 passes. The rest of the program runs on any SSE2 processor and calls
// in here only after asking the processor.
//
// 64-bit Windows builds leave these passes out: GCC there does not align the
// stack for 64-byte spills.
#include "dsp/fft_widest.h"

#include "dsp/fft_kernels.h"

namespace lomvex {

#if defined(__AVX512F__) && !defined(_WIN64)

namespace {
typedef double Eight __attribute__((vector_size(64)));
}  // namespace

bool WidestPassesUsable() {
    return __builtin_cpu_supports("avx512f");
}

#else

namespace {
typedef Two Eight;  // a build without AVX-512: these passes are never chosen
}  // namespace

bool WidestPassesUsable() {
    return false;
}

#endif

void WidestRadix4Pass(double* re, double* im, int n, int h, const double* tw, bool inverse) {
    if (inverse) {
        Radix4Pass<true, Eight>(re, im, n, h, tw);
    } else {
        Radix4Pass<false, Eight>(re, im, n, h, tw);
    }
}

}  // namespace lomvex
