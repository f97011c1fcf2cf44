// What the benchmark measures of a method's output against a song's known
// accompaniment and voice.
#pragma once

#include "bench_sound.h"

namespace lomvex::vbench {

// SI-SDR in dB over both channels concatenated.
double SiSdr(const Stereo& out, const Stereo& truth);

// The voice left in `out`, in dB relative to the voice: per channel the
// least-squares gain of the voice stem in the output over the whole song,
// and the energy of that projection over the voice stem's energy.
double VoiceLeft(const Stereo& out, const Stereo& voice);

// Energy of 30-150 Hz over the whole song (one transform of both channels,
// zero-padded to a power of two), summed over the channels.
double LowBandEnergy(const Stereo& x);

// Correlation of the left and right channels over the whole song.
double InterChannelCorrelation(const Stereo& x);

double Db(double ratio);

}  // namespace lomvex::vbench
