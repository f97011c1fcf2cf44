// The song, written like tools/demo_song/make_demo_song.cpp with a pitch
// factor on every oscillator and a stretch on every note's start and length.
#include "test_song.h"

#include <cmath>

namespace lomvex {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kBeat = 0.5;  // seconds: 120 beats per minute
constexpr int kBars = 6;       // four beats each

double NoteHz(int midi) {
    return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

double Envelope(double t, double length) {
    if (t < 0 || t > length) return 0;
    return std::fmin(t / 0.02, 1.0) * std::fmin((length - t) / 0.05, 1.0);
}

double Voice(double t, double hz, double depth) {
    const double vibrato = 1.0 + depth * std::sin(2 * kPi * 5.5 * t);
    const double phase = 2 * kPi * hz * vibrato * t;
    const double weights[] = {1.0, 0.8, 0.9, 0.5, 0.3, 0.15, 0.1};
    double sum = 0;
    for (int h = 0; h < 7; ++h) sum += weights[h] * std::sin((h + 1) * phase);
    return sum / 3.5;
}

// The hi-hat's partials, Hz and starting phase.
double Hat(double t, double factor) {
    const double partials[][2] = {{3150, 0.3}, {4270, 1.9}, {5430, 0.8},
                                  {6610, 2.6}, {7790, 1.2}, {8930, 4.1}};
    double sum = 0;
    for (const auto& p : partials) sum += std::sin(2 * kPi * p[0] * factor * t + p[1]);
    return sum / 3.0;
}

// As the demo song stores a sample: clipped to -1 .. 1, times 30000, rounded.
double Stored(double v) {
    return static_cast<double>(std::lrint(std::fmax(-1.0, std::fmin(1.0, v)) * 30000));
}

}  // namespace

StereoSound MakeTestSong(double factor, double stretch, bool vibrato) {
    const double beat = kBeat * stretch;
    const int melody[][2] = {{64, 1}, {67, 1}, {69, 2}, {67, 1}, {64, 1}, {62, 2},
                             {60, 1}, {62, 1}, {64, 1}, {67, 1}, {69, 3}, {72, 1},
                             {71, 1}, {69, 1}, {67, 2}, {64, 2}, {62, 2}, {60, 2}};
    const int roots[kBars] = {48, 45, 41, 43, 48, 43};
    const int frames = static_cast<int>(kBars * 4 * beat * kTestRate);
    std::vector<double> left(frames), right(frames);
    for (int i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / kTestRate;
        const int bar = static_cast<int>(t / (4 * beat));
        const int root = roots[bar < kBars ? bar : kBars - 1];
        const double bass = 0.35 * Envelope(std::fmod(t, beat), beat * 0.9) *
                            std::sin(2 * kPi * NoteHz(root - 12) * factor * t);
        double chord = 0;
        for (int step : {0, 4, 7})
            chord += std::sin(2 * kPi * NoteHz(root + 12 + step) * factor * t);
        chord *= 0.09 * Envelope(std::fmod(t, 4 * beat), 4 * beat);
        const double offBeat = std::fmod(t + beat / 2, beat);
        const double hat = offBeat < 0.04 ? 0.06 * (1 - offBeat / 0.04) * Hat(t, factor) : 0.0;
        left[i] = bass + 0.6 * hat;
        right[i] = chord + 0.4 * hat;
    }
    double start = 0;
    for (const auto& note : melody) {
        const double length = note[1] * beat;
        const int first = static_cast<int>(start * kTestRate);
        for (int i = first; i < frames && i < first + static_cast<int>(length * kTestRate); ++i) {
            const double t = static_cast<double>(i - first) / kTestRate;
            const double voice = 0.4 * Envelope(t, length * 0.95) *
                                 Voice(t, NoteHz(note[0]) * factor, vibrato ? 0.006 : 0.0);
            left[i] += voice;
            right[i] += voice;
        }
        start += length;
    }
    StereoSound song;
    for (int i = 0; i < frames; ++i) {
        song.left.push_back(Stored(left[i]));
        song.right.push_back(Stored(right[i]));
    }
    return song;
}

StereoSound MakeClickTrain(double stretch, double seconds) {
    StereoSound clicks;
    const int frames = static_cast<int>(seconds * stretch * kTestRate);
    clicks.left.assign(frames, 0.0);
    for (int k = 1; k * kClickSpacing < seconds; ++k) {
        clicks.left[std::lrint(k * kClickSpacing * stretch * kTestRate)] = 20000.0;
    }
    clicks.right = clicks.left;
    return clicks;
}

StereoSound MakeSteadyTone(double factor, double seconds) {
    StereoSound tone;
    for (int i = 0; i < static_cast<int>(seconds * kTestRate); ++i) {
        const double v = Stored(0.5 * std::sin(2 * kPi * 440.0 * factor * i / kTestRate));
        tone.left.push_back(v);
        tone.right.push_back(v);
    }
    return tone;
}

}  // namespace lomvex
