// The sound types the voice removal benchmark passes around: mono and
// stereo channels of doubles at 44.1 kHz, and a song made of a known
// accompaniment and a known voice.
#pragma once

#include <string>
#include <vector>

namespace lomvex::vbench {

constexpr double kRate = 44100.0;
constexpr double kPi = 3.14159265358979323846;
constexpr double kSeconds = 30.0;
constexpr size_t kLength = static_cast<size_t>(kSeconds * kRate);

using Channel = std::vector<double>;
struct Stereo {
    Channel left, right;
};

// A song of the benchmark: the stems as they sit in the mix; the mix is
// their sum.
struct Song {
    std::string name;
    Stereo accompaniment;
    Stereo voice;
};

Stereo Silence(size_t length);
double Energy(const Stereo& x);
void Scale(Stereo& x, double gain);
Stereo Sum(const Stereo& a, const Stereo& b);

// Adds `mono` times `gain` to both channels at position `pan`: -1 hard
// left, 0 centre, 1 hard right.
void AddPanned(Stereo& out, const Channel& mono, double pan, double gain);

// A decorrelated stereo reverb: each channel its own decaying noise impulse
// response (1.2 s, seeded by `seed`).
Stereo Reverb(const Channel& dry, unsigned seed);

// Scales the voice to the accompaniment's RMS level and both to a 16-bit
// scale that leaves headroom.
void LevelSong(Song& song);

}  // namespace lomvex::vbench
