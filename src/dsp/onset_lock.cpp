// The lock's slope, its limit and the deviation along its ramps.
#include "dsp/onset_lock.h"

#include <algorithm>
#include <cmath>

namespace lomvex {
namespace {

// The ramps move through the input at no less than this share of the
// tempo's own rate (and at no more than 2 minus it).
constexpr double kLeastRampRate = 0.4;

}  // namespace

int OnsetLockReach(int n) {
    return n / 2 + static_cast<int>(kOnsetRamp * n);
}

bool PlanOnsetLock(OnsetLock& lock, double onset, long long nextOut, double nominalIn,
                   double stretch, double ratio, int n) {
    const long long out = nextOut + std::llround((onset - nominalIn) * stretch);
    if (out - OnsetLockReach(n) < nextOut) return false;
    lock.on = true;
    lock.out = out;
    lock.half = n / 2;
    lock.ramp = static_cast<int>(kOnsetRamp * n);
    // At the lock's edges the input positions are slope * N/2 off the line;
    // a ramp makes that up over `ramp` frames.
    const double most = (1.0 - kLeastRampRate) / stretch * lock.ramp / lock.half;
    lock.slope = std::clamp(ratio - 1.0 / stretch, -most, most);
    return true;
}

double OnsetDeviation(const OnsetLock& lock, long long out) {
    if (!lock.on) return 0.0;
    const long long d = out - lock.out;
    const long long distance = d < 0 ? -d : d;
    if (distance <= lock.half) return lock.slope * static_cast<double>(d);
    if (distance >= lock.half + lock.ramp) return 0.0;
    const double edge = lock.slope * lock.half * (d < 0 ? -1.0 : 1.0);
    return edge * static_cast<double>(lock.half + lock.ramp - distance) / lock.ramp;
}

bool OnsetLockPassed(const OnsetLock& lock, long long out) {
    return !lock.on || out >= lock.out + lock.half + lock.ramp;
}

}  // namespace lomvex
