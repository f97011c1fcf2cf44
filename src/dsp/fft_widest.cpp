// The widest radix-4 passes, eight doubles at a time. This file alone is
// compiled for AVX-512, with contraction off: AVX-512 has fused
// multiply-adds, and products and sums must be rounded one by one, as in the
// SSE2 passes. The rest of the program runs on any SSE2 processor and calls
// in here only after asking the processor.
//
// Windows builds leave these passes out. In the 32-bit build under Wine,
// live monitoring with them lost part of its sound in two runs of five (a
// centred tone 3 to 5 dB low), and in none of four without them, though
// saves gave the same bits; 64-bit Windows GCC does not align the stack for
// 64-byte spills at all.
#include "dsp/fft_widest.h"

#include "dsp/fft_kernels.h"

namespace lomvex {

#if defined(__AVX512F__) && !defined(_WIN32)

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
