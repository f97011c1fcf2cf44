// Where the grains of a change of tempo read around a sudden onset, so that
// the onset sounds once, whole and at its time.
//
// Grains that hold an onset place it at their own offset from their input
// position; when the grains advance through the input at another rate than
// through the output, each places it elsewhere and the onset is smeared
// over a grain's length. So the grains whose points hold the onset (output
// indices within N/2 of where it sounds, O) read the input at the rate a
// that the transposition alone gives: input position C + a * (o - O) for
// output index o, C the onset's input position. Before and after, over a
// ramp of kOnsetRamp grain lengths each, the input positions move from the
// tempo's own line to that one and back, so the song keeps its timing
// everywhere else. O is where the tempo's line puts C; the change of rate
// is limited so that the ramps still move forward through the input.
#pragma once

namespace lomvex {

constexpr double kOnsetRamp = 1.0;  // grain lengths of each ramp

struct OnsetLock {
    bool on = false;    // an onset's grains are being placed
    long long out = 0;  // O: the output index where the onset sounds
    double slope = 0;   // input frames per output frame off the tempo's line
    int half = 0;       // N/2: grains within it of O hold the onset
    int ramp = 0;       // output frames of each ramp
};

// The output frames around an onset, before and after it, that its lock
// uses; a lock for the next onset starts after them.
int OnsetLockReach(int n);

// Plans the lock for an onset at input position `onset`, where the tempo's
// line gives `nominalIn` at output index `nextOut`, for grains of `n`
// points, `stretch` output frames per input frame and a transposition
// ratio `ratio`. False (no lock) when the ramp before the onset would have
// begun already.
bool PlanOnsetLock(OnsetLock& lock, double onset, long long nextOut, double nominalIn,
                   double stretch, double ratio, int n);

// The input position of output index `out` less the tempo's line there;
// 0 outside the lock.
double OnsetDeviation(const OnsetLock& lock, long long out);

// The lock is over at output index `out`.
bool OnsetLockPassed(const OnsetLock& lock, long long out);

}  // namespace lomvex
