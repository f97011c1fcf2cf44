// The transform every frame path shares: the power-of-two length rule and an
// in-place complex FFT over two arrays of doubles, driven by tables made once
// per length.
//
// Numeric contract:
//  - A frame has N = Pow2(m) points; re[] holds the real parts and im[] the
//    imaginary parts, N doubles each, transformed in place.
//  - Forward (direction < 0) is scaled by 1/N:
//        X[k] = (1/N) * sum_n x[n] * e^(-2*pi*i*k*n/N)
//    Inverse (direction >= 0) is not scaled:
//        x[n] = sum_k X[k] * e^(+2*pi*i*k*n/N)
//    so a forward transform followed by an inverse one returns the input up to
//    rounding, and a unit impulse at 0 gives 1/N in every bin.
//  - Bin 0 is DC; bin k stands for the frequency k*fs/N. For a real input bin
//    N-k mirrors bin k: X[N-k] is the complex conjugate of X[k].
//  - Stereo frames carry both channels in one transform: the left channel (or
//    the only one) in re[], the right channel in im[].
//  - Twiddle factors are computed once per length, each directly from its
//    angle, into FftTables together with the bit-reversal pairs; a transform
//    computes no trigonometry and allocates nothing.
#pragma once

#include <cstdint>
#include <memory>

namespace lomvex {

constexpr int kFftForward = -1;
constexpr int kFftInverse = 1;

// 2^m for m >= 1; 1 for m <= 0.
int Pow2(int m);

// What a transform of one length needs, made by MakeFftTables. The pipeline
// state owns one, made together with the frame arrays.
struct FftTables {
    int m = 0;  // length exponent the tables were made for
    int n = 0;  // Pow2(m); 0 until made
    // The bit-reversal reordering, 2 * pairCount entries: below 64 points
    // the index pairs (i, j), i < j, to exchange; from 64 points the pairs
    // (c, rev c), c <= rev c, of the 8 x 8 tiles that exchange their points.
    std::unique_ptr<uint32_t[]> pairs;
    int pairCount = 0;
    // The forward twiddles of the radix-4 passes, one block per pass of
    // quarter length h (blocks of h points joined into 4h). With
    // W = e^(-2*pi*i/4h), for each group of eight k: the real parts of W^k,
    // then their imaginary parts, then the same for W^2k and W^3k; the pass
    // of h = 4 fills half a group.
    std::unique_ptr<double[]> twiddles;
    // Doubles the radix-4 passes take at a time: 2 (SSE2), 4 (AVX) or 8
    // (AVX-512, from quarter length 8 on). All give the same bits.
    int lanes = 2;
};

// Which radix-4 passes tables choose: the widest the processor runs, or at
// most four or two doubles at a time (to compare them).
enum class FftLanes { kWidest, kFour, kTwo };

// Makes `tables` for N = Pow2(m) (m <= 0: the length-1 transform), replacing
// what they held. Returns false, with the tables left empty (n = 0), when
// the memory cannot be had.
bool MakeFftTables(FftTables& tables, int m, FftLanes lanes = FftLanes::kWidest);

// The real and imaginary parts of one frame of N points, in one block: im
// starts kFrameStagger doubles past the end of re. Arrays a multiple of
// 4 KiB apart, as two separate blocks of that size tend to be, slow the
// transform of 4096 points and more by up to a third: the processor takes
// the loads of one array for the stores to the other just made, whose
// addresses agree in their low 12 bits.
struct FramePair {
    std::unique_ptr<double[]> block;
    double* re = nullptr;
    double* im = nullptr;
};
constexpr int kFrameStagger = 64;
// Both parts start on a 64-byte boundary (from 8 points on), so that no
// vector of the radix-4 passes straddles two cache lines: straddling loads
// and stores cost the wide passes up to a fifth of their time.
constexpr int kFrameAlign = 8;

// Makes `pair` hold N zeroed points of each part, replacing what it held.
// Returns false, with the pair left empty, when the memory cannot be had.
bool MakeFramePair(FramePair& pair, int n);

// Transforms re[0..N) and im[0..N) in place, N = tables.n (tables made by
// MakeFftTables), and returns N. Any negative direction is the forward
// transform, any other the inverse.
int Fft(const FftTables& tables, double* re, double* im, int direction);

}  // namespace lomvex
