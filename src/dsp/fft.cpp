// In-place iterative decimation-in-time FFT over split arrays.
//
// 1. Reordering and first pass in one sweep. The points go to their
//    bit-reversed positions and every run of 4 (even m) or 8 (odd m) points
//    is transformed right there; the forward 1/N is applied on the way
//    (a power of two only shifts exponents, so scaling first gives the same
//    values as scaling at the end). From 64 points the arrays are cut into 8 x 8 tiles: row a of
//    tile c holds the points a*N/8 + 8c + 0..7, and bit reversal sends tile c
//    to tile rev(c), transposed, with rows and columns in bit-reversed order.
//    So each output tile comes from one source tile, and however long the
//    arrays are, every access touches a few rows of eight neighbours instead
//    of points scattered over the whole frame.
// 2. Radix-4 passes. After the passes so far every block of h points holds
//    the transform of one decimated subsequence; a pass joins four adjacent
//    blocks into one of 4h points. The blocks at offsets 0, h, 2h, 3h hold
//    the subsequences of residue 0, 2, 1, 3 modulo 4, so with W the 4h-th
//    root of unity of the direction bin k of the joined block is
//        a + W^2k b + W^k c + W^3k d,
//    and bins k + h, k + 2h, k + 3h follow with the fourth roots of unity.
//    The twiddles come from the tables; the inverse uses their conjugates.
//
// Inner loops handle two neighbouring values at a time (Two): one vector
// register on targets with SSE2, a plain pair elsewhere. Either way each
// value goes through the same operations in the same order.
#include "dsp/fft.h"

#include <cmath>
#include <cstring>
#include <new>
#include <utility>

namespace lomvex {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kHalfSqrt2 = 0.70710678118654752440;

constexpr int kTileBits = 3;
constexpr int kTile = 1 << kTileBits;
constexpr int kTileMinExponent = 2 * kTileBits;  // an 8 x 8 tile needs 64 points
constexpr int kRev3[kTile] = {0, 4, 2, 6, 1, 5, 3, 7};

// The low m bits of i in reverse order.
uint32_t ReverseBits(uint32_t i, int m) {
    uint32_t r = 0;
    for (int b = 0; b < m; ++b, i >>= 1) r = (r << 1) | (i & 1);
    return r;
}

// Points of the first pass's transforms: 8 for odd m, 4 for even m. The
// radix-4 passes start from blocks of this length.
int FirstSize(int m) {
    return m % 2 ? 8 : 4;
}

// Doubles of twiddles the radix-4 passes of N = Pow2(m) use: 6h per pass.
size_t TwiddleCount(int m, int n) {
    size_t count = 0;
    for (int h = FirstSize(m); 4 * h <= n; h *= 4) count += 6 * static_cast<size_t>(h);
    return count;
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

inline Two Load(const double* p) {
    Two v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

inline void Store(double* p, Two v) {
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

// Fills one output tile (rows `dstStride` apart) from its source tile (rows
// `srcStride` apart) and runs the first pass on each output row: output row
// a, point d is source row rev(d), column rev(a). Rows a and a + 4 go
// together, since their columns rev(a) and rev(a) + 1 are neighbours.
template <bool kInverse, bool kEight>
void SweepTile(const double* srcRe, const double* srcIm, size_t srcStride, double* dstRe,
               double* dstIm, size_t dstStride, double scale) {
    const size_t apart = kTile / 2 * dstStride;
    for (int a = 0; a < kTile / 2; ++a) {
        Two r[kTile], i[kTile];
#pragma GCC unroll 8
        for (int d = 0; d < kTile; ++d) {
            r[d] = Load(srcRe + kRev3[d] * srcStride + kRev3[a]);
            i[d] = Load(srcIm + kRev3[d] * srcStride + kRev3[a]);
            if (!kInverse) r[d] = r[d] * scale, i[d] = i[d] * scale;
        }
        if (kEight) {
            Dft8<kInverse>(r, i);
        } else {
            Dft4<kInverse>(r, i);
            Dft4<kInverse>(r + 4, i + 4);
        }
        double* outRe = dstRe + a * dstStride;
        double* outIm = dstIm + a * dstStride;
#pragma GCC unroll 4
        for (int d = 0; d < kTile; d += 2) {
            Store(outRe + d, Two{r[d][0], r[d + 1][0]});
            Store(outRe + apart + d, Two{r[d][1], r[d + 1][1]});
            Store(outIm + d, Two{i[d][0], i[d + 1][0]});
            Store(outIm + apart + d, Two{i[d][1], i[d + 1][1]});
        }
    }
}

// Reordering and first pass from 64 points: each tile pair (c, rev(c)) in
// turn, tile c copied aside first, so that both can be written in place.
template <bool kInverse, bool kEight>
void SweepTiles(const FftTables& t, double* re, double* im, double scale) {
    const size_t row = static_cast<size_t>(t.n) / kTile;
    double asideRe[kTile * kTile], asideIm[kTile * kTile];
    const uint32_t* pair = t.pairs.get();
    for (int p = 0; p < t.pairCount; ++p, pair += 2) {
        double* tileRe = re + pair[0] * kTile;
        double* tileIm = im + pair[0] * kTile;
        double* otherRe = re + pair[1] * kTile;
        double* otherIm = im + pair[1] * kTile;
        for (int a = 0; a < kTile; ++a) {
            std::memcpy(asideRe + a * kTile, tileRe + a * row, sizeof(double) * kTile);
            std::memcpy(asideIm + a * kTile, tileIm + a * row, sizeof(double) * kTile);
        }
        if (tileRe != otherRe) {
            SweepTile<kInverse, kEight>(otherRe, otherIm, row, tileRe, tileIm, row, scale);
        }
        SweepTile<kInverse, kEight>(asideRe, asideIm, kTile, otherRe, otherIm, row, scale);
    }
}

// Reordering and first pass below 64 points: the index swaps, then the
// first pass on each run of points.
template <bool kInverse>
void SwapAndFirstPass(const FftTables& t, double* re, double* im, double scale) {
    const uint32_t* pair = t.pairs.get();
    for (int p = 0; p < t.pairCount; ++p, pair += 2) {
        std::swap(re[pair[0]], re[pair[1]]);
        std::swap(im[pair[0]], im[pair[1]]);
    }
    for (int k = 0; k < t.n; ++k) re[k] *= scale, im[k] *= scale;
    if (t.n == 2) {
        const double r0 = re[0], i0 = im[0];
        re[0] = r0 + re[1], im[0] = i0 + im[1];
        re[1] = r0 - re[1], im[1] = i0 - im[1];
        return;
    }
    if (t.n < 4) return;
    for (int start = 0; start < t.n; start += FirstSize(t.m)) {
        if (t.m % 2) {
            Dft8<kInverse>(re + start, im + start);
        } else {
            Dft4<kInverse>(re + start, im + start);
        }
    }
}

// Joins blocks of h points (h even) into blocks of 4h. `tw` holds the
// pass's twiddles as MakeFftTables lays them out.
template <bool kInverse>
void Radix4Pass(double* re, double* im, int n, int h, const double* tw) {
    for (int base = 0; base < n; base += 4 * h) {
        double* r0 = re + base;
        double* i0 = im + base;
        double* r1 = r0 + h;
        double* i1 = i0 + h;
        double* r2 = r1 + h;
        double* i2 = i1 + h;
        double* r3 = r2 + h;
        double* i3 = i2 + h;
        const double* w = tw;
        for (int k = 0; k < h; k += 2, w += 12) {
            const Two w1r = Load(w), w2r = Load(w + 4), w3r = Load(w + 8);
            Two w1i = Load(w + 2), w2i = Load(w + 6), w3i = Load(w + 10);
            if (kInverse) w1i = -w1i, w2i = -w2i, w3i = -w3i;
            const Two xr1 = Load(r1 + k), xi1 = Load(i1 + k);
            const Two xr2 = Load(r2 + k), xi2 = Load(i2 + k);
            const Two xr3 = Load(r3 + k), xi3 = Load(i3 + k);
            // The block at offset h takes W^2k, the one at 2h W^k.
            Two r[4] = {Load(r0 + k), xr1 * w2r - xi1 * w2i, xr2 * w1r - xi2 * w1i,
                        xr3 * w3r - xi3 * w3i};
            Two i[4] = {Load(i0 + k), xr1 * w2i + xi1 * w2r, xr2 * w1i + xi2 * w1r,
                        xr3 * w3i + xi3 * w3r};
            Dft4<kInverse>(r, i);
            Store(r0 + k, r[0]), Store(i0 + k, i[0]);
            Store(r1 + k, r[1]), Store(i1 + k, i[1]);
            Store(r2 + k, r[2]), Store(i2 + k, i[2]);
            Store(r3 + k, r[3]), Store(i3 + k, i[3]);
        }
    }
}

template <bool kInverse>
void Transform(const FftTables& t, double* re, double* im) {
    const double scale = kInverse ? 1.0 : 1.0 / t.n;
    if (t.m < kTileMinExponent) {
        SwapAndFirstPass<kInverse>(t, re, im, scale);
    } else if (t.m % 2) {
        SweepTiles<kInverse, true>(t, re, im, scale);
    } else {
        SweepTiles<kInverse, false>(t, re, im, scale);
    }
    const double* tw = t.twiddles.get();
    for (int h = FirstSize(t.m); 4 * h <= t.n; h *= 4) {
        Radix4Pass<kInverse>(re, im, t.n, h, tw);
        tw += 6 * h;
    }
}

}  // namespace

int Pow2(int m) {
    return m <= 0 ? 1 : 1 << m;
}

bool MakeFftTables(FftTables& tables, int m) {
    tables = FftTables{};
    if (m < 0) m = 0;
    const int n = Pow2(m);

    // Tile pairs from 64 points (a tile can pair with itself), index pairs
    // below.
    const bool tiles = m >= kTileMinExponent;
    const int bits = tiles ? m - kTileMinExponent : m;
    int pairCount = 0;
    for (uint32_t c = 0; c < (1u << bits); ++c) {
        const uint32_t r = ReverseBits(c, bits);
        pairCount += tiles ? c <= r : c < r;
    }
    std::unique_ptr<uint32_t[]> pairs(new (std::nothrow) uint32_t[2 * pairCount + 1]);
    std::unique_ptr<double[]> twiddles(new (std::nothrow) double[TwiddleCount(m, n) + 1]);
    if (!pairs || !twiddles) return false;
    uint32_t* pair = pairs.get();
    for (uint32_t c = 0; c < (1u << bits); ++c) {
        const uint32_t r = ReverseBits(c, bits);
        if (tiles ? c <= r : c < r) *pair++ = c, *pair++ = r;
    }

    // Each twiddle straight from its angle 2*pi*j/N (j = k, 2k, 3k times
    // N/4h), so none carries the error of a recurrence.
    double* tw = twiddles.get();
    for (int h = FirstSize(m); 4 * h <= n; h *= 4) {
        const int step = n / (4 * h);
        for (int k = 0; k < h; ++k) {
            for (int q = 1; q <= 3; ++q) {
                const double angle = 2.0 * kPi * (static_cast<double>(q) * k * step) / n;
                double* slot = tw + (k / 2) * 12 + (q - 1) * 4 + k % 2;
                slot[0] = std::cos(angle);
                slot[2] = -std::sin(angle);
            }
        }
        tw += 6 * h;
    }

    tables.m = m;
    tables.n = n;
    tables.pairs = std::move(pairs);
    tables.pairCount = pairCount;
    tables.twiddles = std::move(twiddles);
    return true;
}

int Fft(const FftTables& tables, double* re, double* im, int direction) {
    if (direction < 0) {
        Transform<false>(tables, re, im);
    } else {
        Transform<true>(tables, re, im);
    }
    return tables.n;
}

}  // namespace lomvex
