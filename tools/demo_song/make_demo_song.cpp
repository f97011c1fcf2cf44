// Synthesizes the demo song: a short stereo WAV whose "voice" melody is
// recorded equally in both channels (centre) over an accompaniment panned
// left (bass) and right (chords), with a hi-hat split between them. Choosing
// "L-R(minusOne)" removes the voice and leaves the accompaniment.
//
// Usage: make_demo_song OUTPUT.wav
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

constexpr int kRate = 44100;
constexpr double kPi = 3.14159265358979323846;
constexpr double kBeat = 0.5;  // seconds: 120 beats per minute
constexpr int kBars = 6;       // four beats each

double NoteHz(int midi) { return 440.0 * std::pow(2.0, (midi - 69) / 12.0); }

// An attack-decay envelope over a note of `length` seconds at time `t`.
double Envelope(double t, double length) {
    if (t < 0 || t > length) return 0;
    double attack = std::fmin(t / 0.02, 1.0);
    double release = std::fmin((length - t) / 0.05, 1.0);
    return attack * release;
}

// A sung vowel: a few harmonics weighted like an "ah", with vibrato.
double Voice(double t, double hz) {
    double vibrato = 1.0 + 0.006 * std::sin(2 * kPi * 5.5 * t);
    double phase = 2 * kPi * hz * vibrato * t;
    const double weights[] = {1.0, 0.8, 0.9, 0.5, 0.3, 0.15, 0.1};
    double sum = 0;
    for (int h = 0; h < 7; ++h) sum += weights[h] * std::sin((h + 1) * phase);
    return sum / 3.5;
}

void PutU16(std::vector<uint8_t>& out, uint16_t v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}
void PutU32(std::vector<uint8_t>& out, uint32_t v) {
    PutU16(out, static_cast<uint16_t>(v));
    PutU16(out, static_cast<uint16_t>(v >> 16));
}
void PutId(std::vector<uint8_t>& out, const char* id) { out.insert(out.end(), id, id + 4); }

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_demo_song OUTPUT.wav\n");
        return 2;
    }
    // Melody (MIDI note, beats) and chord roots per bar.
    const int melody[][2] = {{64, 1}, {67, 1}, {69, 2}, {67, 1}, {64, 1}, {62, 2},
                             {60, 1}, {62, 1}, {64, 1}, {67, 1}, {69, 3}, {72, 1},
                             {71, 1}, {69, 1}, {67, 2}, {64, 2}, {62, 2}, {60, 2}};
    const int roots[kBars] = {48, 45, 41, 43, 48, 43};
    const double seconds = kBars * 4 * kBeat;
    const int frames = static_cast<int>(seconds * kRate);

    std::vector<double> left(frames), right(frames);
    for (int i = 0; i < frames; ++i) {
        double t = static_cast<double>(i) / kRate;
        int bar = static_cast<int>(t / (4 * kBeat));
        double inBeat = std::fmod(t, kBeat);
        int root = roots[bar < kBars ? bar : kBars - 1];
        // Bass on the left: the root on every beat.
        double bass = 0.35 * Envelope(inBeat, kBeat * 0.9) * std::sin(2 * kPi * NoteHz(root - 12) * t);
        // Chords on the right: a soft major triad held through the bar.
        double chord = 0;
        for (int step : {0, 4, 7})
            chord += std::sin(2 * kPi * NoteHz(root + 12 + step) * t);
        chord *= 0.09 * Envelope(std::fmod(t, 4 * kBeat), 4 * kBeat);
        // Hi-hat on the off-beats, a little to each side.
        double hat = 0;
        double offBeat = std::fmod(t + kBeat / 2, kBeat);
        if (offBeat < 0.04) hat = 0.06 * (1 - offBeat / 0.04) * std::sin(i * 2.3 + std::sin(i * 0.7) * 9);
        left[i] = bass + 0.6 * hat;
        right[i] = chord + 0.4 * hat;
    }
    double start = 0;
    for (const auto& note : melody) {
        double length = note[1] * kBeat;
        int first = static_cast<int>(start * kRate);
        for (int i = first; i < frames && i < first + static_cast<int>(length * kRate); ++i) {
            double t = static_cast<double>(i - first) / kRate;
            double voice = 0.4 * Envelope(t, length * 0.95) * Voice(t, NoteHz(note[0]));
            left[i] += voice;
            right[i] += voice;
        }
        start += length;
    }

    std::vector<uint8_t> wav;
    const uint32_t dataBytes = static_cast<uint32_t>(frames) * 4;
    PutId(wav, "RIFF");
    PutU32(wav, 36 + dataBytes);
    PutId(wav, "WAVE");
    PutId(wav, "fmt ");
    PutU32(wav, 16);
    PutU16(wav, 1);
    PutU16(wav, 2);
    PutU32(wav, kRate);
    PutU32(wav, kRate * 4);
    PutU16(wav, 4);
    PutU16(wav, 16);
    PutId(wav, "data");
    PutU32(wav, dataBytes);
    for (int i = 0; i < frames; ++i) {
        for (double v : {left[i], right[i]}) {
            double clipped = std::fmax(-1.0, std::fmin(1.0, v));
            PutU16(wav, static_cast<uint16_t>(static_cast<int16_t>(std::lrint(clipped * 30000))));
        }
    }
    FILE* out = std::fopen(argv[1], "wb");
    if (!out || std::fwrite(wav.data(), 1, wav.size(), out) != wav.size() || std::fclose(out)) {
        std::fprintf(stderr, "make_demo_song: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
