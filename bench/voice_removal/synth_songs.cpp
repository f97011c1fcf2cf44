// The synthesized songs: each a style (key, tempo, melody, bass line,
// vowel, panned tones) and a placement of the voice.
#include "synth_songs.h"

#include <algorithm>
#include <cmath>
#include <random>

namespace lomvex::vbench {
namespace {

struct Style {
    const char* name;
    double keyHz;        // the voice's tonic
    double beat;         // seconds per beat; a sung note lasts one beat
    int melody[8];       // semitones above the tonic
    int bassLine[4];     // semitones above the tonic, two octaves down, one per bar
    double formants[3];  // Hz of the vowel's three peaks
    double leftHz;       // tone panned left
    double rightHz;      // tone panned right
    unsigned seed;
};

enum class Placement { kDry, kReverb, kOffCentre, kDelayed };

double Semitones(double hz, int steps) {
    return hz * std::pow(2.0, steps / 12.0);
}

Channel SungVowel(const Style& style) {
    Channel x(kLength, 0.0);
    double phase = 0;
    for (size_t i = 0; i < kLength; ++i) {
        const double t = i / kRate;
        const int note = static_cast<int>(t / style.beat);
        const double within = t - note * style.beat;
        const double f0 = Semitones(style.keyHz, style.melody[note % 8]) *
                          (1 + 0.012 * std::sin(2 * kPi * 5.5 * t));
        phase += 2 * kPi * f0 / kRate;
        const double envelope = within < 0.85 * style.beat ? std::min(1.0, within / 0.03) : 0.0;
        double v = 0;
        for (int h = 1; h * f0 < 8000; ++h) {
            const double hz = h * f0;
            double gain = 0;
            for (double formant : style.formants) {
                gain += 1.0 / (1 + std::pow((hz - formant) / 150.0, 2));
            }
            v += (0.2 + gain) / h * std::sin(h * phase);
        }
        x[i] = envelope * v;
    }
    return x;
}

Stereo Accompaniment(const Style& style) {
    std::mt19937 random(style.seed);
    std::normal_distribution<double> noise(0.0, 1.0);
    Stereo a = Silence(kLength);
    const double bar = 4 * style.beat;
    double bassPhase = 0;
    for (size_t i = 0; i < kLength; ++i) {
        const double t = i / kRate;
        const double beat = std::fmod(t, style.beat);
        const double offBeat = std::fmod(t + style.beat / 2, style.beat);
        const double b = Semitones(style.keyHz / 4, style.bassLine[static_cast<int>(t / bar) % 4]);
        bassPhase += 2 * kPi * b / kRate;
        const double kick = 1.5 * std::exp(-beat * 30) * std::sin(2 * kPi * 60 * beat * (1 - beat));
        const double snare = offBeat < 0.1 ? 0.5 * noise(random) * std::exp(-offBeat * 40) : 0.0;
        const double centre =
            0.8 * std::sin(bassPhase) + 0.3 * std::sin(2 * bassPhase) + kick + snare;
        const double leftPart =
            0.3 * std::sin(2 * kPi * style.leftHz * t) * (0.6 + 0.4 * std::sin(t));
        const double rightPart =
            0.3 * std::sin(2 * kPi * style.rightHz * t + std::sin(2 * kPi * 3 * t));
        const double padHz = Semitones(style.keyHz, 7);
        const double padL = 0.15 * std::sin(2 * kPi * padHz * t) + 0.05 * noise(random);
        const double padR = 0.15 * std::sin(2 * kPi * padHz * t + 1.7) + 0.05 * noise(random);
        a.left[i] = centre + leftPart + padL;
        a.right[i] = centre + rightPart + padR;
    }
    return a;
}

Stereo PlaceVoice(const Channel& dry, Placement placement, unsigned seed) {
    Stereo voice = Silence(kLength);
    if (placement == Placement::kReverb) voice = Reverb(dry, seed);
    const double leftGain = placement == Placement::kOffCentre ? std::pow(10.0, 0.6 / 20) : 1.0;
    const size_t delay = placement == Placement::kDelayed ? 13 : 0;  // 0.3 ms at 44.1 kHz
    for (size_t i = 0; i < kLength; ++i) {
        voice.left[i] += leftGain * dry[i];
        if (i >= delay) voice.right[i] += dry[i - delay];
    }
    return voice;
}

Song MakeSong(const Style& style, Placement placement) {
    Song song{style.name, Accompaniment(style),
              PlaceVoice(SungVowel(style), placement, style.seed)};
    LevelSong(song);
    return song;
}

}  // namespace

std::vector<Song> SynthesizedSongs() {
    const Style styles[] = {
        {"synth A3 120bpm dry",
         220.0,
         0.5,
         {0, 2, 3, 5, 7, 5, 3, 2},
         {0, 0, 5, 3},
         {700, 1200, 2600},
         523.3,
         784.0,
         5},
        {"synth D4 96bpm reverb",
         293.7,
         0.625,
         {7, 5, 4, 2, 0, 2, 4, 9},
         {0, 9, 5, 7},
         {400, 2000, 2550},
         440.0,
         659.3,
         7},
        {"synth F3 140bpm +0.6dB left",
         174.6,
         0.4286,
         {0, 4, 7, 12, 11, 7, 4, 2},
         {0, 7, 9, 5},
         {600, 1000, 2450},
         349.2,
         1046.5,
         9},
        {"synth G3 108bpm 0.3ms late right",
         196.0,
         0.5556,
         {0, 3, 5, 7, 10, 7, 5, 3},
         {0, 3, 10, 5},
         {300, 870, 2250},
         587.3,
         880.0,
         13},
    };
    return {MakeSong(styles[0], Placement::kDry), MakeSong(styles[1], Placement::kReverb),
            MakeSong(styles[2], Placement::kOffCentre), MakeSong(styles[3], Placement::kDelayed)};
}

}  // namespace lomvex::vbench
