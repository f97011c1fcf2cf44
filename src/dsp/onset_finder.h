// Finding sudden onsets (clicks, drum hits) in a stream, so that a change
// of tempo can play each one at its own speed instead of smearing it.
//
// How: the first difference of the channels' sum stresses the high
// frequencies that a sudden onset brings. Its energy is summed over blocks
// of kOnsetBlock frames; a block whose energy exceeds kOnsetRise times the
// mean of the blocks before it (and a floor, so that near-silence makes
// none) holds an onset, placed at the block's largest difference. After an
// onset the next kOnsetQuiet blocks hold none, so one attack is one onset.
#pragma once

#include <memory>

namespace lomvex {

constexpr int kOnsetHistory = 8;  // blocks whose mean energy an onset must exceed
constexpr int kOnsetQueue = 64;   // onsets found and not yet taken

struct OnsetFinder {
    int block = 0;                       // frames per block; 0 until made
    double previous = 0;                 // the last sum seen, for the difference
    double energy = 0;                   // of the block being filled
    double peak = 0;                     // its largest squared difference
    long long peakAt = 0;                // and where that is
    int filled = 0;                      // frames of the block so far
    double history[kOnsetHistory] = {};  // energies of the blocks before
    int quiet = 0;                       // blocks left in which no onset is taken
    long long seen = 0;                  // frames looked at since the start
    long long queue[kOnsetQueue] = {};   // onset positions, a ring
    int head = 0;                        // first onset not taken
    int count = 0;                       // onsets in the ring
};

// Makes `finder` for blocks of `block` frames (at least 1).
void StartOnsetFinder(OnsetFinder& finder, int block);

// Looks at `count` frames of `first` (and `second`; null for one channel).
void FindOnsets(OnsetFinder& finder, const double* first, const double* second, int count);

// The frames looked at so far: every onset before this position is found
// (those of the block being filled excepted: less than one block).
long long OnsetsSeenUpTo(const OnsetFinder& finder);

// The earliest onset not yet taken at or after `from`, dropping those
// before it; false when there is none.
bool NextOnset(OnsetFinder& finder, long long from, long long& position);

// Takes the onset NextOnset gave.
void TakeOnset(OnsetFinder& finder);

}  // namespace lomvex
