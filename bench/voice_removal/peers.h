// The methods Lomvex's voice removal is compared with, each taking the
// stereo mix and returning a stereo output lined up with it.
#pragma once

#include "bench_sound.h"

namespace lomvex::vbench {

// (L-R)/2 in both channels.
Stereo ClassicDifference(const Stereo& mix);

// Vocal reduction by the difference's share of power, keeping stereo:
// frames of 8192 points (Hann, hop 2048); for bins from 120 Hz to 9 kHz
// both channels are multiplied by sqrt(|L-R|^2 / (|L+R|^2 + |L-R|^2));
// bins outside that band pass untouched.
Stereo DifferenceShare(const Stereo& mix);

// Centre cut: per bin the centre C points along the sum of the channels'
// unit phasors, u = (L/|L| + R/|R|) / |L/|L| + R/|R||, with the real length
// c that makes L-C and R-C perpendicular (as vectors of the complex plane):
//     Re((L - c u) conj(R - c u)) = 0
//     c^2 - b c + Re(L conj R) = 0,   b = Re(L conj u) + Re(R conj u)
//     c = (b - sqrt(b^2 - 4 Re(L conj R))) / 2
// the smaller root (the larger one would take more than either channel
// holds), clamped at 0 when the channels are more than 90 degrees apart.
// The discriminant is b^2 - 4|L||R|cos(t) with b = (|L|+|R|) cos(t/2), never
// negative. Output L-C, R-C; frames of 4096 points, hop 1024.
Stereo CentreCut(const Stereo& mix);

// The ideal ratio mask, a ceiling no blind method reaches: per bin and
// channel the mix is multiplied by |A| / (|A| + |V|), A and V the
// accompaniment's and the voice's bins; frames of 4096 points, hop 1024.
Stereo OracleMask(const Stereo& mix, const Song& song);

}  // namespace lomvex::vbench
