// The transform's butterflies and its radix-4 pass, written once over a
// vector of neighbouring doubles V: Two (two doubles, SSE2 where there is
// SSE2) in fft.cpp, Four (four doubles, AVX) in fft_wide.cpp, Eight (eight
// doubles, AVX-512) in fft_widest.cpp. Every value goes through the same
// operations in the same order whatever V is, so all give the same bits.
// Internal to those files: everything here has internal linkage, so that
// each file keeps the code built for its own instruction set.
#pragma once

#include <cstring>

namespace lomvex {
namespace {

constexpr double kHalfSqrt2 = 0.70710678118654752440;

// The twiddles of a radix-4 pass come in groups of eight neighbouring k:
// the real parts of W^k, then their imaginary parts, then the same for W^2k
// and W^3k (kTwiddleGroup doubles per group). A pass of quarter length 4
// fills half a group.
constexpr int kTwiddleLanes = 8;
constexpr int kTwiddleGroup = 6 * kTwiddleLanes;

// Doubles of twiddles the pass of quarter length h takes in the tables.
constexpr int PassTwiddles(int h) {
    return kTwiddleGroup * ((h + kTwiddleLanes - 1) / kTwiddleLanes);
}

// Two neighbouring doubles: a GCC and clang vector type with SSE2.
#if defined(__SSE2__)
typedef double Two __attribute__((vector_size(16)));
#else
struct Two {
    double v[2];
    double operator[](int k) const { return v[k]; }
};
inline Two operator+(Two a, Two b) {
    return {a[0] + b[0], a[1] + b[1]};
}
inline Two operator-(Two a, Two b) {
    return {a[0] - b[0], a[1] - b[1]};
}
inline Two operator*(Two a, Two b) {
    return {a[0] * b[0], a[1] * b[1]};
}
inline Two operator*(Two a, double s) {
    return {a[0] * s, a[1] * s};
}
inline Two operator-(Two a) {
    return {-a[0], -a[1]};
}
#endif

template <typename V>
inline V Load(const double* p) {
    V v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

template <typename V>
inline void Store(double* p, V v) {
    std::memcpy(p, &v, sizeof v);
}

// The 4-point transform of r[0..3], i[0..3] in place: the points in
// bit-reversed order (residues 0, 2, 1, 3), the bins in natural order.
template <bool kInverse, typename V>
inline void Dft4(V* r, V* i) {
    const V sumAbR = r[0] + r[1], sumAbI = i[0] + i[1];
    const V difAbR = r[0] - r[1], difAbI = i[0] - i[1];
    const V sumCdR = r[2] + r[3], sumCdI = i[2] + i[3];
    const V difCdR = r[2] - r[3], difCdI = i[2] - i[3];
    // Forward: bin 1 = (a - b) - i(c - d), bin 3 = (a - b) + i(c - d); the
    // inverse swaps the two.
    const V rotR = kInverse ? -difCdI : difCdI;
    const V rotI = kInverse ? difCdR : -difCdR;
    r[0] = sumAbR + sumCdR, i[0] = sumAbI + sumCdI;
    r[1] = difAbR + rotR, i[1] = difAbI + rotI;
    r[2] = sumAbR - sumCdR, i[2] = sumAbI - sumCdI;
    r[3] = difAbR - rotR, i[3] = difAbI - rotI;
}

// The 8-point transform in place, points in bit-reversed order: the even
// residues in 0..3 and the odd ones in 4..7, each in the order Dft4 takes.
// Bin k is E[k] + w^k O[k] and bin k + 4 is E[k] - w^k O[k], w the eighth
// root of unity of the direction.
template <bool kInverse, typename V>
inline void Dft8(V* r, V* i) {
    Dft4<kInverse>(r, i);
    Dft4<kInverse>(r + 4, i + 4);
    const double s = kInverse ? 1.0 : -1.0;  // sign of the imaginary part of w
    const V o0r = r[4], o0i = i[4];
    const V o1r = (r[5] - i[5] * s) * kHalfSqrt2, o1i = (i[5] + r[5] * s) * kHalfSqrt2;
    const V o2r = -(i[6] * s), o2i = r[6] * s;
    const V o3r = (-r[7] - i[7] * s) * kHalfSqrt2, o3i = (r[7] * s - i[7]) * kHalfSqrt2;
    r[4] = r[0] - o0r, i[4] = i[0] - o0i, r[0] = r[0] + o0r, i[0] = i[0] + o0i;
    r[5] = r[1] - o1r, i[5] = i[1] - o1i, r[1] = r[1] + o1r, i[1] = i[1] + o1i;
    r[6] = r[2] - o2r, i[6] = i[2] - o2i, r[2] = r[2] + o2r, i[2] = i[2] + o2i;
    r[7] = r[3] - o3r, i[7] = i[3] - o3i, r[3] = r[3] + o3r, i[3] = i[3] + o3i;
}

// x times the twiddle at w (its real parts, then kTwiddleLanes further on
// its imaginary parts; conjugated for the inverse).
template <bool kInverse, typename V>
inline void Twiddle(const double* xr, const double* xi, const double* w, V& outR, V& outI) {
    const V wr = Load<V>(w);
    const V wi = kInverse ? -Load<V>(w + kTwiddleLanes) : Load<V>(w + kTwiddleLanes);
    const V r = Load<V>(xr), i = Load<V>(xi);
    outR = r * wr - i * wi;
    outI = r * wi + i * wr;
}

// Joins blocks of h points (h a multiple of V's lanes) into blocks of 4h,
// as many neighbouring k at a time as V holds. `tw` holds the pass's
// twiddles in groups as laid out above.
template <bool kInverse, typename V>
void Radix4Pass(double* re, double* im, int n, int h, const double* tw) {
    constexpr int kLanes = sizeof(V) / sizeof(double);
    for (int base = 0; base < n; base += 4 * h) {
        double* r0 = re + base;
        double* i0 = im + base;
        double* r1 = r0 + h;
        double* i1 = i0 + h;
        double* r2 = r1 + h;
        double* i2 = i1 + h;
        double* r3 = r2 + h;
        double* i3 = i2 + h;
        for (int k = 0; k < h; k += kLanes) {
            const double* w = tw + k / kTwiddleLanes * kTwiddleGroup + k % kTwiddleLanes;
            // The block at offset h takes W^2k, the one at 2h W^k. Each
            // product follows the loads it needs, which keeps few registers
            // busy at once (the 32-bit build has eight).
            V r[4], i[4];
            r[0] = Load<V>(r0 + k), i[0] = Load<V>(i0 + k);
            Twiddle<kInverse>(r1 + k, i1 + k, w + 2 * kTwiddleLanes, r[1], i[1]);
            Twiddle<kInverse>(r2 + k, i2 + k, w, r[2], i[2]);
            Twiddle<kInverse>(r3 + k, i3 + k, w + 4 * kTwiddleLanes, r[3], i[3]);
            Dft4<kInverse>(r, i);
            Store(r0 + k, r[0]), Store(i0 + k, i[0]);
            Store(r1 + k, r[1]), Store(i1 + k, i[1]);
            Store(r2 + k, r[2]), Store(i2 + k, i[2]);
            Store(r3 + k, r[3]), Store(i3 + k, i[3]);
        }
    }
}

}  // namespace
}  // namespace lomvex
