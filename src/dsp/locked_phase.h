// The phase vocoder step of the pitch shifter, with phases locked to the
// spectral peaks.
//
// A grain read at a spacing of a input samples per point sounds a times
// higher; grains are read every Ha input samples, which is Ha/a points of
// the grain's own time scale, and follow each other every H output
// samples. To sound right together, each grain's phases must advance by
// what its frequencies do in H output samples: a*H/Ha times what they did
// between the grains as read (a for a transposition alone, H/Ha for a
// change of tempo alone). For each peak of the magnitude spectrum the phase
// advance since the previous grain gives the peak's exact frequency; its
// rotation grows by (a*H/Ha - 1) times that advance.
// Every bin then turns with the rotation of its peak (the bins from the
// lowest point between two peaks to the next such point), so the shape of
// each peak, and with it the sound of a partial, is kept.
//
// Spectra come from one complex transform of a grain with the first channel
// in re[] and the second (or zero) in im[]. Peaks and phase advances are
// taken from the sum of the channels; both channels turn by the same
// rotations, which keeps the phase difference between them.
#pragma once

#include <memory>

namespace lomvex {

// What carries over from grain to grain; bins 0 .. N/2.
struct LockedPhase {
    int n = 0;                             // transform length; 0 until made
    std::unique_ptr<double[]> previousRe;  // sum spectrum of the previous grain
    std::unique_ptr<double[]> previousIm;
    std::unique_ptr<double[]> rotation;  // radians each bin was turned by last time
    std::unique_ptr<double[]> sumRe;     // scratch: sum spectrum of this grain
    std::unique_ptr<double[]> sumIm;
    std::unique_ptr<double[]> magnitude;  // scratch: |sum spectrum|
    std::unique_ptr<int[]> peaks;         // scratch: peak bins in rising order
    std::unique_ptr<double[]> peakTurn;   // scratch: this grain's rotation of each peak
    bool hasPrevious = false;             // false: the next grain starts afresh, unturned
};

// Makes `state` for transforms of `n` points (a power of two, at least 8).
// Returns false, leaving n = 0, when the memory cannot be had.
bool MakeLockedPhase(LockedPhase& state, int n);

// The next grain passes unturned and starts a new phase history.
void ResetLockedPhase(LockedPhase& state);

// Turns the forward-transformed grain re[0..N), im[0..N) in place, its
// conjugate-symmetric halves together so that the inverse transform gives
// real channels back in re[] and im[]. `points` is Ha/a, the grain points
// between this grain and the previous one as read, and `factor` is a*H/Ha.
void LockPhases(LockedPhase& state, double* re, double* im, double points, double factor);

}  // namespace lomvex
