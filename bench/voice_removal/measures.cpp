// The benchmark's measures: SI-SDR, voice left, low-band energy and
// inter-channel correlation.
#include "measures.h"

#include <cmath>
#include <complex>
#include <vector>

#include "dsp/fft.h"

namespace lomvex::vbench {

double Db(double ratio) {
    return 10 * std::log10(ratio);
}

double SiSdr(const Stereo& out, const Stereo& truth) {
    double dot = 0;
    for (size_t i = 0; i < out.left.size(); ++i) {
        dot += out.left[i] * truth.left[i] + out.right[i] * truth.right[i];
    }
    const double alpha = dot / Energy(truth);
    double error = 0;
    for (size_t i = 0; i < out.left.size(); ++i) {
        const double dl = out.left[i] - alpha * truth.left[i];
        const double dr = out.right[i] - alpha * truth.right[i];
        error += dl * dl + dr * dr;
    }
    return Db(alpha * alpha * Energy(truth) / error);
}

double VoiceLeft(const Stereo& out, const Stereo& voice) {
    double projected = 0;
    for (int c = 0; c < 2; ++c) {
        const Channel& o = c == 0 ? out.left : out.right;
        const Channel& v = c == 0 ? voice.left : voice.right;
        double dot = 0, energy = 0;
        for (size_t i = 0; i < o.size(); ++i) dot += o[i] * v[i], energy += v[i] * v[i];
        if (energy > 0) projected += dot * dot / energy;  // gain^2 * energy, gain = dot / energy
    }
    return Db(projected / Energy(voice));
}

double LowBandEnergy(const Stereo& x) {
    int m = 1;
    while ((size_t{1} << m) < x.left.size()) ++m;
    const int n = 1 << m;
    FftTables tables;
    MakeFftTables(tables, m);
    std::vector<double> re(n, 0.0), im(n, 0.0);
    std::copy(x.left.begin(), x.left.end(), re.begin());
    std::copy(x.right.begin(), x.right.end(), im.begin());
    Fft(tables, re.data(), im.data(), kFftForward);
    double energy = 0;
    const int first = static_cast<int>(std::ceil(30.0 * n / kRate));
    const int last = static_cast<int>(std::floor(150.0 * n / kRate));
    for (int k = first; k <= last; ++k) {
        const std::complex<double> z(re[k], im[k]), mirror(re[n - k], -im[n - k]);
        energy += std::norm((z + mirror) * 0.5) + std::norm((z - mirror) * 0.5);
    }
    return energy;
}

double InterChannelCorrelation(const Stereo& x) {
    double lr = 0, ll = 0, rr = 0;
    for (size_t i = 0; i < x.left.size(); ++i) {
        lr += x.left[i] * x.right[i], ll += x.left[i] * x.left[i], rr += x.right[i] * x.right[i];
    }
    return ll > 0 && rr > 0 ? lr / std::sqrt(ll * rr) : 0.0;
}

}  // namespace lomvex::vbench
