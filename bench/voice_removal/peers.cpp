// The comparison methods: classic difference, the difference-share gain,
// centre cut and the oracle mask.
#include "peers.h"

#include <algorithm>
#include <cmath>

#include "stft_filter.h"

namespace lomvex::vbench {

Stereo ClassicDifference(const Stereo& mix) {
    Stereo out = mix;
    for (size_t i = 0; i < mix.left.size(); ++i) {
        out.left[i] = out.right[i] = 0.5 * (mix.left[i] - mix.right[i]);
    }
    return out;
}

Stereo DifferenceShare(const Stereo& mix) {
    constexpr int kN = 8192;
    const int first = static_cast<int>(std::ceil(120.0 * kN / kRate));
    const int last = static_cast<int>(std::floor(9000.0 * kN / kRate));
    return StftFilter({&mix}, kN, [&](std::vector<StereoBins>& frames) {
        StereoBins& f = frames[0];
        for (int k = first; k <= last; ++k) {
            const double difference = std::norm(f.left[k] - f.right[k]);
            const double total = std::norm(f.left[k] + f.right[k]) + difference;
            const double gain = total > 0 ? std::sqrt(difference / total) : 1.0;
            f.left[k] *= gain;
            f.right[k] *= gain;
        }
    });
}

Stereo CentreCut(const Stereo& mix) {
    return StftFilter({&mix}, 4096, [](std::vector<StereoBins>& frames) {
        StereoBins& f = frames[0];
        for (size_t k = 0; k < f.left.size(); ++k) {
            const std::complex<double> l = f.left[k], r = f.right[k];
            if (std::abs(l) == 0 || std::abs(r) == 0) continue;
            const std::complex<double> sum = l / std::abs(l) + r / std::abs(r);
            if (std::abs(sum) == 0) continue;
            const std::complex<double> u = sum / std::abs(sum);
            const double b = (l * std::conj(u)).real() + (r * std::conj(u)).real();
            const double product = (l * std::conj(r)).real();
            const double root = std::sqrt(std::max(0.0, b * b - 4 * product));
            const double c = std::max(0.0, (b - root) / 2);
            f.left[k] = l - c * u;
            f.right[k] = r - c * u;
        }
    });
}

Stereo OracleMask(const Stereo& mix, const Song& song) {
    return StftFilter({&mix, &song.accompaniment, &song.voice}, 4096,
                      [](std::vector<StereoBins>& frames) {
                          StereoBins& f = frames[0];
                          const StereoBins& a = frames[1];
                          const StereoBins& v = frames[2];
                          for (size_t k = 0; k < f.left.size(); ++k) {
                              const double al = std::abs(a.left[k]), vl = std::abs(v.left[k]);
                              const double ar = std::abs(a.right[k]), vr = std::abs(v.right[k]);
                              f.left[k] *= al + vl > 0 ? al / (al + vl) : 1.0;
                              f.right[k] *= ar + vr > 0 ? ar / (ar + vr) : 1.0;
                          }
                      });
}

}  // namespace lomvex::vbench
