// The synthetic song of the pitch comparison and its exact transpositions:
// the demo song's generator (tools/demo_song) with every pitch multiplied by
// a factor, while note times, envelopes and the vibrato rate stay. The demo
// song's hi-hat is frequency-modulated noise near the Nyquist frequency, so
// a transposed copy of it would fold over; here it is a metallic chord of
// partials between 3 and 9 kHz, which stays below 12.5 kHz at +5 semitones.
#pragma once

#include <vector>

namespace lomvex {

constexpr int kTestRate = 44100;

// Two channels of samples in 16-bit units, rounded to whole numbers as a
// 16-bit WAV file holds them.
struct StereoSound {
    std::vector<double> left;
    std::vector<double> right;
};

// The 12-second song with every pitch times `factor`.
StereoSound MakeTestSong(double factor);

// A steady sine of 440 Hz times `factor`, equal in both channels.
StereoSound MakeSteadyTone(double factor, double seconds);

}  // namespace lomvex
