// The synthetic song of the pitch and tempo comparison and its exact
// transpositions and stretches: the demo song's generator (tools/demo_song)
// with every pitch multiplied by a factor and every note's start and length
// by a stretch, while attacks, decays and the vibrato rate stay. The demo
// song's hi-hat is frequency-modulated noise near the Nyquist frequency, so
// a transposed copy of it would fold over; here it is a metallic chord of
// partials between 3 and 9 kHz, which stays below 12.5 kHz at +5 semitones.
#pragma once

#include <vector>

namespace lomvex {

constexpr int kTestRate = 44100;
constexpr double kClickSpacing = 0.3;  // seconds between the clicks of a train

// Two channels of samples in 16-bit units, rounded to whole numbers as a
// 16-bit WAV file holds them.
struct StereoSound {
    std::vector<double> left;
    std::vector<double> right;
};

// The 12-second song with every pitch times `factor`, `stretch` times as
// long; with `vibrato` its melody sways 0.6 % at 5.5 Hz (at any stretch:
// a singer's vibrato keeps its rate when the song is sung slower).
StereoSound MakeTestSong(double factor, double stretch = 1.0, bool vibrato = true);

// One-sample clicks every kClickSpacing * stretch seconds, in both channels,
// `seconds` * stretch long.
StereoSound MakeClickTrain(double stretch, double seconds);

// A steady sine of 440 Hz times `factor`, equal in both channels.
StereoSound MakeSteadyTone(double factor, double seconds);

}  // namespace lomvex
