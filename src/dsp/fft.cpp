// In-place iterative decimation-in-time FFT over split arrays.
//
// 1. Reordering and first pass in one sweep. The points go to their
//    bit-reversed positions and every run of 4 (even m) or 8 (odd m) points
//    is transformed right there; the forward 1/N is applied on the way. A
//    power of two only shifts exponents, so scaling before, within or after
//    the transform gives the same values (short of values near the smallest
//    normal double); from 64 points it follows the first pass, which keeps
//    a register free during it. From 64 points the arrays are cut into
//    8 x 8 tiles: row a of tile c holds the points a*N/8 + 8c + 0..7, and
//    bit reversal sends tile c to tile rev(c), transposed, with rows and
//    columns in bit-reversed order.
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
// register on targets with SSE2, a plain pair elsewhere. Where the processor
// has AVX the radix-4 passes take four at a time (fft_wide.cpp), and where
// it has AVX-512 eight at a time (fft_widest.cpp) from quarter length 8 on.
// Either way each value goes through the same operations in the same order.
#include "dsp/fft.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <new>
#include <utility>

#include "dsp/fft_kernels.h"
#include "dsp/fft_wide.h"
#include "dsp/fft_widest.h"

namespace lomvex {
namespace {

constexpr double kPi = 3.14159265358979323846;

constexpr int kTileBits = 3;
constexpr int kTile = 1 << kTileBits;
constexpr int kTileMinExponent = 2 * kTileBits;  // an 8 x 8 tile needs 64 points
constexpr int kRev3[kTile] = {0, 4, 2, 6, 1, 5, 3, 7};

// Points of the blocks the shorter radix-4 passes go through one at a time:
// 32 KiB of real and imaginary parts, which stay in the first-level cache
// with the passes' twiddles.
constexpr int kBlockPoints = 2048;

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

// Doubles of twiddles the radix-4 passes of N = Pow2(m) take.
size_t TwiddleCount(int m, int n) {
    size_t count = 0;
    for (int h = FirstSize(m); 4 * h <= n; h *= 4) count += PassTwiddles(h);
    return count;
}

// Fills one output tile (rows `dstStride` apart) from its source tile (rows
// `srcStride` apart) and runs the first pass on each output row: output row
// a, point d is source row rev(d), column rev(a). Rows a and a + 4 go
// together, since their columns rev(a) and rev(a) + 1 are neighbours. Runs
// of 4 points go one run at a time, which keeps half as many values live
// (the 32-bit build has eight vector registers).
template <bool kInverse, bool kEight>
void SweepTile(const double* srcRe, const double* srcIm, size_t srcStride, double* dstRe,
               double* dstIm, size_t dstStride, double scale) {
    constexpr int kRun = kEight ? 8 : 4;
    const size_t apart = kTile / 2 * dstStride;
    for (int a = 0; a < kTile / 2; ++a) {
        double* outRe = dstRe + a * dstStride;
        double* outIm = dstIm + a * dstStride;
        for (int first = 0; first < kTile; first += kRun) {
            Two r[kRun], i[kRun];
#pragma GCC unroll 8
            for (int d = 0; d < kRun; ++d) {
                r[d] = Load<Two>(srcRe + kRev3[first + d] * srcStride + kRev3[a]);
                i[d] = Load<Two>(srcIm + kRev3[first + d] * srcStride + kRev3[a]);
            }
            if (kEight) {
                Dft8<kInverse>(r, i);
            } else {
                Dft4<kInverse>(r, i);
            }
#pragma GCC unroll 4
            for (int d = 0; d < kRun; d += 2) {
                if (!kInverse) {
                    r[d] = r[d] * scale, i[d] = i[d] * scale;
                    r[d + 1] = r[d + 1] * scale, i[d + 1] = i[d + 1] * scale;
                }
                Store(outRe + first + d, Two{r[d][0], r[d + 1][0]});
                Store(outRe + apart + first + d, Two{r[d][1], r[d + 1][1]});
                Store(outIm + first + d, Two{i[d][0], i[d + 1][0]});
                Store(outIm + apart + first + d, Two{i[d][1], i[d + 1][1]});
            }
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

// One radix-4 pass over n points at the widest lanes the tables allow.
template <bool kInverse>
void Pass(int lanes, double* re, double* im, int n, int h, const double* tw) {
    if (lanes >= 8 && h >= 8) {
        WidestRadix4Pass(re, im, n, h, tw, kInverse);
    } else if (lanes >= 4) {
        WideRadix4Pass(re, im, n, h, tw, kInverse);
    } else {
        Radix4Pass<kInverse, Two>(re, im, n, h, tw);
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
    // The passes that join blocks within kBlockPoints go block by block,
    // each block through all of them while it is in the nearest cache; the
    // longer passes then sweep the whole frame. Each block's values go
    // through the same operations either way.
    const int block = std::min(t.n, kBlockPoints);
    const double* tw = t.twiddles.get();
    int h = FirstSize(t.m);
    const double* longTw = tw;
    int longH = h;
    while (4 * longH <= block) longTw += PassTwiddles(longH), longH *= 4;
    for (int start = 0; start < t.n; start += block) {
        const double* passTw = tw;
        for (int q = h; q < longH; q *= 4) {
            Pass<kInverse>(t.lanes, re + start, im + start, block, q, passTw);
            passTw += PassTwiddles(q);
        }
    }
    for (int q = longH; 4 * q <= t.n; q *= 4) {
        Pass<kInverse>(t.lanes, re, im, t.n, q, longTw);
        longTw += PassTwiddles(q);
    }
}

}  // namespace

int Pow2(int m) {
    return m <= 0 ? 1 : 1 << m;
}

bool MakeFftTables(FftTables& tables, int m, FftLanes lanes) {
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
    std::unique_ptr<double[]> twiddles(new (std::nothrow) double[TwiddleCount(m, n) + 1]());
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
                double* slot = tw + k / kTwiddleLanes * kTwiddleGroup +
                               (q - 1) * 2 * kTwiddleLanes + k % kTwiddleLanes;
                slot[0] = std::cos(angle);
                slot[kTwiddleLanes] = -std::sin(angle);
            }
        }
        tw += PassTwiddles(h);
    }

    tables.m = m;
    tables.n = n;
    tables.pairs = std::move(pairs);
    tables.pairCount = pairCount;
    tables.twiddles = std::move(twiddles);
    tables.lanes = 2;
    if (lanes != FftLanes::kTwo && WidePassesUsable()) tables.lanes = 4;
    if (lanes == FftLanes::kWidest && WidestPassesUsable()) tables.lanes = 8;
    return true;
}

bool MakeFramePair(FramePair& pair, int n) {
    pair = FramePair{};
    const size_t count = 2 * static_cast<size_t>(n) + kFrameStagger + kFrameAlign;
    std::unique_ptr<double[]> block(new (std::nothrow) double[count]());
    if (!block) return false;
    const uintptr_t start = reinterpret_cast<uintptr_t>(block.get());
    const uintptr_t bytes = kFrameAlign * sizeof(double);
    pair.re = block.get() + (bytes - start % bytes) % bytes / sizeof(double);
    pair.im = pair.re + n + kFrameStagger;
    pair.block = std::move(block);
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
