// The Kaiser-windowed sinc table and the reading loop.
#include "dsp/sinc_reader.h"

#include <algorithm>
#include <cmath>
#include <new>

namespace lomvex {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int kTableSteps = 512;
constexpr double kKaiserBeta = 9.0;  // side lobes near -90 dB

// Modified Bessel function of the first kind, order 0, by its power series.
double BesselI0(double x) {
    double sum = 1.0, term = 1.0;
    for (int k = 1; term > 1e-17 * sum; ++k) {
        const double half = x / (2.0 * k);
        term *= half * half;
        sum += term;
    }
    return sum;
}

// Weights of one side of a point kept at a time; a kernel wider than this
// (more than 63 zero crossings times the spacing) is weighed tap by tap.
constexpr int kKeptTaps = 64;

// The table read at `pos` (in table points), linearly interpolated.
inline double KernelAt(const double* g, double pos) {
    const int t = static_cast<int>(pos);
    return g[t] + (pos - t) * (g[t + 1] - g[t]);
}

// The weights at pos, pos + step, ... while below `end`, into w; returns
// their count.
int KernelWeights(const double* g, double pos, double step, double end, double* w) {
    int count = 0;
    for (; pos < end; pos += step) w[count++] = KernelAt(g, pos);
    return count;
}

double Sinc(double x) {
    return x == 0.0 ? 1.0 : std::sin(kPi * x) / (kPi * x);
}

}  // namespace

bool MakeSincReader(SincReader& reader, int zeroCrossings) {
    reader = SincReader{};
    zeroCrossings = std::max(zeroCrossings, 1);
    const int size = zeroCrossings * kTableSteps + 2;
    std::unique_ptr<double[]> table(new (std::nothrow) double[size]);
    if (!table) return false;
    const double norm = BesselI0(kKaiserBeta);
    for (int k = 0; k < size; ++k) {
        const double u = static_cast<double>(k) / kTableSteps;
        const double r = u / zeroCrossings;
        const double w = r < 1.0 ? BesselI0(kKaiserBeta * std::sqrt(1.0 - r * r)) / norm : 0.0;
        table[k] = Sinc(kSincPassBand * u) * w;
    }
    reader.zeroCrossings = zeroCrossings;
    reader.steps = kTableSteps;
    reader.table = std::move(table);
    return true;
}

int SincReach(const SincReader& reader, double spacing) {
    return static_cast<int>(std::ceil(reader.zeroCrossings * std::max(1.0, spacing))) + 1;
}

void ReadSpaced(const SincReader& reader, const double* const* rows, int channels, double start,
                double spacing, int count, double* const* out) {
    const double widen = std::max(1.0, spacing);
    const double step = reader.steps / widen;  // table points per input sample
    const double gain = kSincPassBand / widen;
    const double end = static_cast<double>(reader.zeroCrossings) * reader.steps;
    const double* g = reader.table.get();
    const double* a = rows[0];
    const double* b = channels > 1 ? rows[1] : rows[0];
    // The weights of the samples at and before a point, then after it, while
    // the kernel reaches. They depend on the point's fraction past its sample
    // alone, and are kept while that stays the same: at a spacing of 1 all
    // points of a block share a few fractions (one per power of two of the
    // positions' size, as the sums k + start round).
    const bool keep = std::ceil(end / step) + 1 <= kKeptTaps;
    double before[kKeptTaps], after[kKeptTaps];
    int beforeCount = 0, afterCount = 0;
    double keptFraction = -1.0;
    for (int k = 0; k < count; ++k) {
        const double p = start + k * spacing;
        const double whole = std::floor(p);
        const double fraction = p - whole;
        const long i0 = static_cast<long>(whole);
        double sumA = 0.0, sumB = 0.0;
        if (keep) {
            if (fraction != keptFraction) {
                beforeCount = KernelWeights(g, fraction * step, step, end, before);
                afterCount = KernelWeights(g, (1.0 - fraction) * step, step, end, after);
                keptFraction = fraction;
            }
            for (int j = 0; j < beforeCount; ++j) {
                sumA += before[j] * a[i0 - j];
                sumB += before[j] * b[i0 - j];
            }
            for (int j = 0; j < afterCount; ++j) {
                sumA += after[j] * a[i0 + 1 + j];
                sumB += after[j] * b[i0 + 1 + j];
            }
        } else {
            long i = i0;
            for (double pos = fraction * step; pos < end; pos += step, --i) {
                const double w = KernelAt(g, pos);
                sumA += w * a[i];
                sumB += w * b[i];
            }
            i = i0 + 1;
            for (double pos = (1.0 - fraction) * step; pos < end; pos += step, ++i) {
                const double w = KernelAt(g, pos);
                sumA += w * a[i];
                sumB += w * b[i];
            }
        }
        out[0][k] = gain * sumA;
        if (channels > 1) out[1][k] = gain * sumB;
    }
}

}  // namespace lomvex
