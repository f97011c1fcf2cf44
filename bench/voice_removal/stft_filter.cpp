// The offline STFT filter: both channels in one complex transform (left in
// the real part, right in the imaginary part), split into their own bins
// and joined again around the filter.
#include "stft_filter.h"

#include <cmath>

#include "dsp/fft.h"

namespace lomvex::vbench {
namespace {

void Split(const std::vector<double>& re, const std::vector<double>& im, StereoBins& bins) {
    const int n = static_cast<int>(re.size());
    for (int k = 0; k <= n / 2; ++k) {
        const std::complex<double> x(re[k], im[k]);
        const std::complex<double> mirror =
            std::conj(std::complex<double>(re[(n - k) % n], im[(n - k) % n]));
        bins.left[k] = (x + mirror) * 0.5;
        bins.right[k] = (x - mirror) * std::complex<double>(0, -0.5);
    }
}

void Join(const StereoBins& bins, std::vector<double>& re, std::vector<double>& im) {
    const int n = static_cast<int>(re.size());
    const std::complex<double> i(0, 1);
    for (int k = 0; k <= n / 2; ++k) {
        const std::complex<double> x = bins.left[k] + i * bins.right[k];
        const std::complex<double> mirror = std::conj(bins.left[k]) + i * std::conj(bins.right[k]);
        re[k] = x.real(), im[k] = x.imag();
        if (k > 0 && k < n / 2) re[n - k] = mirror.real(), im[n - k] = mirror.imag();
    }
}

}  // namespace

Stereo StftFilter(const std::vector<const Stereo*>& inputs, int n, const FrameFilter& filter) {
    const int hop = n / 4;
    const long long length = static_cast<long long>(inputs[0]->left.size());
    FftTables tables;
    MakeFftTables(tables, static_cast<int>(std::lround(std::log2(n))));
    std::vector<double> window(n);
    for (int i = 0; i < n; ++i) window[i] = 0.5 - 0.5 * std::cos(2 * kPi * i / n);
    // Hann analysis times Hann synthesis at a hop of N/4 adds up to 1.5.
    const double overlapGain = 1.5;

    Stereo out = Silence(length);
    std::vector<double> re(n), im(n);
    std::vector<StereoBins> frames(inputs.size(), StereoBins{Bins(n / 2 + 1), Bins(n / 2 + 1)});
    for (long long start = hop - n; start < length; start += hop) {
        for (size_t s = 0; s < inputs.size(); ++s) {
            for (int i = 0; i < n; ++i) {
                const long long at = start + i;
                const bool inside = at >= 0 && at < length;
                re[i] = inside ? window[i] * inputs[s]->left[at] : 0.0;
                im[i] = inside ? window[i] * inputs[s]->right[at] : 0.0;
            }
            Fft(tables, re.data(), im.data(), kFftForward);
            Split(re, im, frames[s]);
        }
        filter(frames);
        Join(frames[0], re, im);
        Fft(tables, re.data(), im.data(), kFftInverse);
        for (int i = 0; i < n; ++i) {
            const long long at = start + i;
            if (at < 0 || at >= length) continue;
            out.left[at] += window[i] * re[i] / overlapGain;
            out.right[at] += window[i] * im[i] / overlapGain;
        }
    }
    return out;
}

}  // namespace lomvex::vbench
