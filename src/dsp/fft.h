// The transform every frame path shares: the power-of-two length rule and an
// in-place complex radix-2 FFT over two arrays of doubles.
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
//  - Twiddle factors come from a recurrence, one cosine and one sine per
//    stage; the transform allocates nothing.
#pragma once

namespace lomvex {

constexpr int kFftForward = -1;
constexpr int kFftInverse = 1;

// 2^m for m >= 1; 1 for m <= 0.
int Pow2(int m);

// Transforms re[0..N) and im[0..N) in place, N = Pow2(m), and returns N.
// Any negative direction is the forward transform, any other the inverse.
int Fft(double* re, double* im, int m, int direction);

}  // namespace lomvex
