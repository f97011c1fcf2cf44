// Mixing helpers of the voice removal benchmark: silence, energy, gain,
// panning, the voice's reverb and the levels of a song.
#include "bench_sound.h"

#include <algorithm>
#include <cmath>
#include <random>

namespace lomvex::vbench {

Stereo Silence(size_t length) {
    return {Channel(length, 0.0), Channel(length, 0.0)};
}

double Energy(const Stereo& x) {
    double e = 0;
    for (size_t i = 0; i < x.left.size(); ++i) e += x.left[i] * x.left[i] + x.right[i] * x.right[i];
    return e;
}

void Scale(Stereo& x, double gain) {
    for (size_t i = 0; i < x.left.size(); ++i) x.left[i] *= gain, x.right[i] *= gain;
}

Stereo Sum(const Stereo& a, const Stereo& b) {
    Stereo s = a;
    for (size_t i = 0; i < s.left.size(); ++i) s.left[i] += b.left[i], s.right[i] += b.right[i];
    return s;
}

// pan in [-1, 1]: -1 hard left, 0 centre, 1 hard right (sine-cosine law,
// so the centre is -3 dB in each channel and the power stays the same).
void AddPanned(Stereo& out, const Channel& mono, double pan, double gain) {
    const double angle = (pan + 1) * kPi / 4;
    const double gl = gain * std::cos(angle), gr = gain * std::sin(angle);
    const size_t n = std::min(out.left.size(), mono.size());
    for (size_t i = 0; i < n; ++i) out.left[i] += gl * mono[i], out.right[i] += gr * mono[i];
}

Stereo Reverb(const Channel& dry, unsigned seed) {
    std::mt19937 random(seed);
    std::normal_distribution<double> noise(0.0, 1.0);
    const size_t taps = static_cast<size_t>(1.2 * kRate), stride = 8;
    Stereo wet = Silence(dry.size());
    for (Channel* out : {&wet.left, &wet.right}) {
        for (size_t tap = 400; tap < taps; tap += stride) {
            const double g = noise(random) * std::pow(10.0, -3.0 * tap / taps) * 0.03;
            for (size_t i = tap; i < dry.size(); ++i) (*out)[i] += g * dry[i - tap];
        }
    }
    return wet;
}

void LevelSong(Song& song) {
    Scale(song.voice, std::sqrt(Energy(song.accompaniment) / Energy(song.voice)));
    const Stereo mix = Sum(song.accompaniment, song.voice);
    double peak = 0;
    for (size_t i = 0; i < mix.left.size(); ++i) {
        peak = std::max({peak, std::abs(mix.left[i]), std::abs(mix.right[i])});
    }
    const double gain = 0.7 * 32767 / peak;
    Scale(song.accompaniment, gain);
    Scale(song.voice, gain);
}

}  // namespace lomvex::vbench
