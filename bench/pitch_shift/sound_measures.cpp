// Lag, distance and tone frequency; both spectra of a pair come from one
// complex transform with the first sound in re[] and the second in im[].
#include "sound_measures.h"

#include <algorithm>
#include <cmath>

#include "dsp/fft.h"

namespace lomvex {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int kFrameExponent = 12;
constexpr int kFrame = 1 << kFrameExponent;
constexpr int kHop = 1024;
constexpr double kFloorDb = 80.0;
constexpr int kEnvelopeHop = 16;

// Splits bin k of the transform of a + i*b into A[k] and B[k].
void SplitBin(const std::vector<double>& re, const std::vector<double>& im, int k, double* a,
              double* b) {
    const int n = static_cast<int>(re.size());
    const int mirror = (n - k) & (n - 1);
    a[0] = 0.5 * (re[k] + re[mirror]);
    a[1] = 0.5 * (im[k] - im[mirror]);
    b[0] = 0.5 * (im[k] + im[mirror]);
    b[1] = 0.5 * (re[mirror] - re[k]);
}

double At(const std::vector<double>& x, long i) {
    return i >= 0 && i < static_cast<long>(x.size()) ? x[i] : 0.0;
}

// dB magnitudes of bins 0 .. kFrame/2 of the frames of `ideal` and `output`
// (lag frames later) starting at `start`.
void FrameDb(const std::vector<double>& ideal, const std::vector<double>& output, long start,
             int lag, const FftTables& fft, std::vector<double>& idealDb,
             std::vector<double>& outputDb) {
    static const std::vector<double> hann = [] {
        std::vector<double> w(kFrame);
        for (int i = 0; i < kFrame; ++i) w[i] = 0.5 - 0.5 * std::cos(2 * kPi * i / kFrame);
        return w;
    }();
    std::vector<double> re(kFrame), im(kFrame);
    for (int i = 0; i < kFrame; ++i) {
        re[i] = hann[i] * At(ideal, start + i);
        im[i] = hann[i] * At(output, start + lag + i);
    }
    Fft(fft, re.data(), im.data(), kFftForward);
    for (int k = 0; k <= kFrame / 2; ++k) {
        double a[2], b[2];
        SplitBin(re, im, k, a, b);
        idealDb[k] = 10 * std::log10(a[0] * a[0] + a[1] * a[1] + 1e-300);
        outputDb[k] = 10 * std::log10(b[0] * b[0] + b[1] * b[1] + 1e-300);
    }
}

// The loudness of the sum of both channels every kEnvelopeHop frames: the
// root mean square over kEnvelopeHop * 8 frames, less its mean over the
// sound. Phases of shifted partials differ from the ideal's from program to
// program, so waveforms do not line up; their loudness does.
std::vector<double> Envelope(const StereoSound& sound) {
    const long length = static_cast<long>(sound.left.size());
    std::vector<double> envelope;
    for (long start = 0; start + 8 * kEnvelopeHop <= length; start += kEnvelopeHop) {
        double sum = 0;
        for (long i = start; i < start + 8 * kEnvelopeHop; ++i) {
            const double v = sound.left[i] + sound.right[i];
            sum += v * v;
        }
        envelope.push_back(std::sqrt(sum / (8 * kEnvelopeHop)));
    }
    double mean = 0;
    for (double v : envelope) mean += v / envelope.size();
    for (double& v : envelope) v -= mean;
    return envelope;
}

}  // namespace

int BestLag(const StereoSound& output, const StereoSound& ideal, int maxLag) {
    const std::vector<double> a = Envelope(ideal), b = Envelope(output);
    const int steps = maxLag / kEnvelopeHop;
    int best = 0;
    double bestSum = -1e300;
    for (int lag = -steps; lag <= steps; ++lag) {
        double sum = 0;
        for (long i = 0; i < static_cast<long>(a.size()); ++i) sum += a[i] * At(b, i + lag);
        if (sum > bestSum) bestSum = sum, best = lag;
    }
    return best * kEnvelopeHop;
}

double LogSpectralDistance(const StereoSound& output, int lag, const StereoSound& ideal) {
    FftTables fft;
    MakeFftTables(fft, kFrameExponent);
    const long frames = (static_cast<long>(ideal.left.size()) - kFrame) / kHop + 1;
    std::vector<double> idealDb(kFrame / 2 + 1), outputDb(kFrame / 2 + 1);
    const std::vector<double>* channels[2][2] = {{&ideal.left, &output.left},
                                                 {&ideal.right, &output.right}};
    double peak = -1e300;
    for (auto& pair : channels) {
        for (long f = 0; f < frames; ++f) {
            FrameDb(*pair[0], *pair[1], f * kHop, lag, fft, idealDb, outputDb);
            peak = std::max(peak, *std::max_element(idealDb.begin(), idealDb.end()));
        }
    }
    const double floor = peak - kFloorDb;
    double sum = 0;
    for (auto& pair : channels) {
        for (long f = 0; f < frames; ++f) {
            FrameDb(*pair[0], *pair[1], f * kHop, lag, fft, idealDb, outputDb);
            double squares = 0;
            for (int k = 0; k <= kFrame / 2; ++k) {
                const double d = std::max(idealDb[k], floor) - std::max(outputDb[k], floor);
                squares += d * d;
            }
            sum += std::sqrt(squares / (kFrame / 2 + 1));
        }
    }
    return sum / (2.0 * frames);
}

double ToneHz(const std::vector<double>& x, int from, int to) {
    std::vector<double> crossings;
    for (int i = from; i + 1 < to; ++i) {
        if (x[i] < 0 && x[i + 1] >= 0) crossings.push_back(i + x[i] / (x[i] - x[i + 1]));
    }
    const double count = static_cast<double>(crossings.size());
    double sumK = 0, sumT = 0, sumKK = 0, sumKT = 0;
    for (size_t k = 0; k < crossings.size(); ++k) {
        sumK += k, sumT += crossings[k], sumKK += double(k) * k, sumKT += k * crossings[k];
    }
    const double period = (count * sumKT - sumK * sumT) / (count * sumKK - sumK * sumK);
    return kTestRate / period;
}

ClickFit FitClicks(const std::vector<double>& x, const std::vector<double>& ideal) {
    const long reach = static_cast<long>(0.03 * kTestRate);
    std::vector<double> offsets, widths;
    for (double place : ideal) {
        const long from = static_cast<long>(place) - reach;
        double total = 0;
        for (long i = from; i <= from + 2 * reach; ++i) total += At(x, i) * At(x, i);
        if (total == 0) continue;
        double sum = 0;
        long first = from, last = from;
        for (long i = from; i <= from + 2 * reach; ++i) {
            sum += At(x, i) * At(x, i);
            if (sum < 0.05 * total) first = i + 1;
            if (sum < 0.95 * total) last = i + 1;
        }
        offsets.push_back(0.5 * (first + last) - place);
        widths.push_back(static_cast<double>(last - first + 1));
    }
    ClickFit fit;
    if (offsets.empty()) return fit;
    std::vector<double> sorted = offsets;
    std::nth_element(sorted.begin(), sorted.begin() + sorted.size() / 2, sorted.end());
    const double median = sorted[sorted.size() / 2];
    for (size_t k = 0; k < offsets.size(); ++k) {
        fit.offsetMs = std::max(fit.offsetMs, 1000.0 * std::fabs(offsets[k] - median) / kTestRate);
        fit.widthMs = std::max(fit.widthMs, 1000.0 * widths[k] / kTestRate);
    }
    return fit;
}

}  // namespace lomvex
