// Block energies of the first difference and the rise that makes an onset.
#include "dsp/onset_finder.h"

#include <algorithm>

namespace lomvex {
namespace {

constexpr double kOnsetRise = 8.0;      // energy factor, 9 dB
constexpr double kFloorPerFrame = 4.0;  // squared difference, in 16-bit units
constexpr int kOnsetQuiet = 16;         // blocks

void EndBlock(OnsetFinder& f) {
    double mean = 0;
    for (double e : f.history) mean += e;
    mean /= kOnsetHistory;
    const bool onset = f.quiet == 0 && f.energy > kOnsetRise * mean &&
                       f.energy > kFloorPerFrame * f.block && f.count < kOnsetQueue;
    if (onset) {
        f.queue[(f.head + f.count) % kOnsetQueue] = f.peakAt;
        ++f.count;
        f.quiet = kOnsetQuiet;
    } else if (f.quiet > 0) {
        --f.quiet;
    }
    std::copy(f.history + 1, f.history + kOnsetHistory, f.history);
    f.history[kOnsetHistory - 1] = f.energy;
    f.energy = f.peak = 0;
    f.filled = 0;
}

}  // namespace

void StartOnsetFinder(OnsetFinder& finder, int block) {
    finder = OnsetFinder{};
    finder.block = std::max(1, block);
}

void FindOnsets(OnsetFinder& f, const double* first, const double* second, int count) {
    for (int k = 0; k < count; ++k) {
        const double x = second ? first[k] + second[k] : first[k];
        const double d = (x - f.previous) * (x - f.previous);
        f.previous = x;
        f.energy += d;
        if (d > f.peak) f.peak = d, f.peakAt = f.seen;
        ++f.seen;
        if (++f.filled == f.block) EndBlock(f);
    }
}

long long OnsetsSeenUpTo(const OnsetFinder& finder) {
    return finder.seen - finder.filled;
}

bool NextOnset(OnsetFinder& f, long long from, long long& position) {
    while (f.count > 0 && f.queue[f.head] < from) {
        f.head = (f.head + 1) % kOnsetQueue;
        --f.count;
    }
    if (f.count == 0) return false;
    position = f.queue[f.head];
    return true;
}

void TakeOnset(OnsetFinder& f) {
    if (f.count == 0) return;
    f.head = (f.head + 1) % kOnsetQueue;
    --f.count;
}

}  // namespace lomvex
