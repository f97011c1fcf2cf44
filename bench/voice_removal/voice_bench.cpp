// Scores voice removal on a synthesized song whose accompaniment is known:
// a sung vowel with vibrato and formants in the centre, with a decorrelated
// stereo reverb of its own, at the accompaniment's level; centred bass,
// kick and snare; a tone panned hard left, one hard right, a wide pad.
//
// Rows: the unprocessed mixture, classic L-R ((L-R)/2 in both channels)
// and Lomvex. Columns: SI-SDR in dB of the output against the true stereo
// accompaniment (both channels concatenated, after dropping the stage's
// latency), and for Lomvex the speed in multiples of real time.
//
// Usage: lomvex_voice_bench
#include <chrono>
#include <cmath>
#include <cstdio>
#include <random>
#include <vector>

#include "dsp/voice_removal.h"

namespace {

constexpr double kRate = 44100.0;
constexpr double kPi = 3.14159265358979323846;
constexpr double kSeconds = 30.0;

using Channel = std::vector<double>;
struct Stereo {
    Channel left, right;
};

// A vowel: harmonics of a melody with 5.5 Hz vibrato, shaped by three
// formant peaks, notes of half a second with short rests.
Channel SungVowel(size_t length) {
    const double melody[] = {220, 247, 262, 294, 330, 294, 262, 247};
    Channel x(length, 0.0);
    double phase = 0;
    for (size_t i = 0; i < length; ++i) {
        const double t = i / kRate;
        const int note = static_cast<int>(t / 0.5);
        const double within = t - note * 0.5;
        const double f0 = melody[note % 8] * (1 + 0.012 * std::sin(2 * kPi * 5.5 * t));
        phase += 2 * kPi * f0 / kRate;
        const double envelope = within < 0.42 ? std::min(1.0, within / 0.03) : 0.0;
        double v = 0;
        for (int h = 1; h * f0 < 8000; ++h) {
            const double hz = h * f0;
            double gain = 0;
            for (double formant : {700.0, 1200.0, 2600.0}) {
                gain += 1.0 / (1 + std::pow((hz - formant) / 150.0, 2));
            }
            v += (0.2 + gain) / h * std::sin(h * phase);
        }
        x[i] = envelope * v;
    }
    return x;
}

// A decorrelated stereo reverb: each channel its own decaying noise
// impulse response (1.2 s), convolved by blocks.
Stereo Reverb(const Channel& dry) {
    std::mt19937 random(11);
    std::normal_distribution<double> noise(0.0, 1.0);
    const size_t taps = static_cast<size_t>(1.2 * kRate), stride = 8;
    Stereo wet{Channel(dry.size(), 0.0), Channel(dry.size(), 0.0)};
    for (Channel* out : {&wet.left, &wet.right}) {
        for (size_t tap = 400; tap < taps; tap += stride) {
            const double g = noise(random) * std::pow(10.0, -3.0 * tap / taps) * 0.03;
            for (size_t i = tap; i < dry.size(); ++i) (*out)[i] += g * dry[i - tap];
        }
    }
    return wet;
}

Stereo Accompaniment(size_t length) {
    std::mt19937 random(5);
    std::normal_distribution<double> noise(0.0, 1.0);
    Stereo a{Channel(length, 0.0), Channel(length, 0.0)};
    const double bass[] = {55, 55, 73.4, 65.4};
    for (size_t i = 0; i < length; ++i) {
        const double t = i / kRate;
        const double beat = std::fmod(t, 0.5);
        const double b = bass[static_cast<int>(t / 2) % 4];
        const double centre =
            0.8 * std::sin(2 * kPi * b * t) + 0.3 * std::sin(4 * kPi * b * t) +
            1.5 * std::exp(-beat * 30) * std::sin(2 * kPi * 60 * beat * (1 - beat)) +
            (std::fmod(t + 0.25, 0.5) < 0.1
                 ? 0.5 * noise(random) * std::exp(-std::fmod(t + 0.25, 0.5) * 40)
                 : 0.0);
        const double leftPart = 0.3 * std::sin(2 * kPi * 523.3 * t) * (0.6 + 0.4 * std::sin(t));
        const double rightPart = 0.3 * std::sin(2 * kPi * 784.0 * t + std::sin(2 * kPi * 3 * t));
        const double padL = 0.15 * std::sin(2 * kPi * 392 * t) + 0.05 * noise(random);
        const double padR = 0.15 * std::sin(2 * kPi * 392 * t + 1.7) + 0.05 * noise(random);
        a.left[i] = centre + leftPart + padL;
        a.right[i] = centre + rightPart + padR;
    }
    return a;
}

double Energy(const Stereo& x) {
    double e = 0;
    for (size_t i = 0; i < x.left.size(); ++i) e += x.left[i] * x.left[i] + x.right[i] * x.right[i];
    return e;
}

void Scale(Stereo& x, double g) {
    for (size_t i = 0; i < x.left.size(); ++i) x.left[i] *= g, x.right[i] *= g;
}

// SI-SDR over both channels concatenated.
double SiSdr(const Stereo& out, const Stereo& truth) {
    double dot = 0;
    for (size_t i = 0; i < out.left.size(); ++i) {
        dot += out.left[i] * truth.left[i] + out.right[i] * truth.right[i];
    }
    const double alpha = dot / Energy(truth);
    double target = 0, error = 0;
    for (size_t i = 0; i < out.left.size(); ++i) {
        for (double d :
             {out.left[i] - alpha * truth.left[i], out.right[i] - alpha * truth.right[i]}) {
            error += d * d;
        }
    }
    target = alpha * alpha * Energy(truth);
    return 10 * std::log10(target / error);
}

Stereo Lomvex(Stereo x, double& realTime) {
    lomvex::VoiceRemovalState state;
    lomvex::StartVoiceRemoval(state, kRate);
    const auto start = std::chrono::steady_clock::now();
    for (size_t done = 0; done < x.left.size(); done += 4096) {
        const int block = static_cast<int>(std::min<size_t>(4096, x.left.size() - done));
        lomvex::RemoveVoice(state, &x.left[done], &x.right[done], block);
    }
    const int latency = lomvex::VoiceRemovalLatency(state);
    Channel l(latency), r(latency);
    lomvex::FlushVoiceRemoval(state, l.data(), r.data());
    realTime =
        kSeconds / std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    Stereo out{Channel(x.left.begin() + latency, x.left.end()),
               Channel(x.right.begin() + latency, x.right.end())};
    out.left.insert(out.left.end(), l.begin(), l.end());
    out.right.insert(out.right.end(), r.begin(), r.end());
    return out;
}

}  // namespace

int main() {
    const size_t length = static_cast<size_t>(kSeconds * kRate);
    const Channel dry = SungVowel(length);
    Stereo voice = Reverb(dry);
    for (size_t i = 0; i < length; ++i) voice.left[i] += dry[i], voice.right[i] += dry[i];
    Stereo backing = Accompaniment(length);
    Scale(voice, std::sqrt(Energy(backing) / Energy(voice)));
    Scale(voice, 5000), Scale(backing, 5000);
    Stereo mix = backing;
    for (size_t i = 0; i < length; ++i)
        mix.left[i] += voice.left[i], mix.right[i] += voice.right[i];
    Stereo classic = mix;
    for (size_t i = 0; i < length; ++i) {
        classic.left[i] = classic.right[i] = 0.5 * (mix.left[i] - mix.right[i]);
    }
    double realTime = 0;
    const Stereo lomvexOut = Lomvex(mix, realTime);
    std::printf("| method | SI-SDR dB | x real time |\n|---|---|---|\n");
    std::printf("| mixture | %.2f | |\n", SiSdr(mix, backing));
    std::printf("| L-R | %.2f | |\n", SiSdr(classic, backing));
    std::printf("| Lomvex | %.2f | %.1f |\n", SiSdr(lomvexOut, backing), realTime);
    return 0;
}
