// In-place iterative radix-2 decimation-in-time FFT: bit-reversal reordering,
// then butterfly stages whose twiddles advance by complex multiplication.
#include "dsp/fft.h"

#include <cmath>
#include <utility>

namespace lomvex {
namespace {

constexpr double kPi = 3.14159265358979323846;

void BitReverse(double* re, double* im, int n) {
    int j = 0;
    for (int i = 0; i < n - 1; ++i) {
        if (i <= j) {
            std::swap(re[i], re[j]);
            std::swap(im[i], im[j]);
        }
        int k = n / 2;
        while (j >= k) {
            j -= k;
            k /= 2;
        }
        j += k;
    }
}

}  // namespace

int Pow2(int m) {
    return m <= 0 ? 1 : 1 << m;
}

int Fft(double* re, double* im, int m, int direction) {
    const int n = Pow2(m);
    BitReverse(re, im, n);

    double theta = kPi;
    for (int half = 1; half <= n / 2; half *= 2, theta *= 0.5) {
        const double c = std::cos(theta);
        const double s = direction < 0 ? -std::sin(theta) : std::sin(theta);
        double ur = 1.0;
        double ui = 0.0;
        for (int j = 0; j < half; ++j) {
            for (int i = j; i < n; i += 2 * half) {
                const int p = i + half;
                const double tr = re[p] * ur - im[p] * ui;
                const double ti = im[p] * ur + re[p] * ui;
                re[p] = re[i] - tr;
                im[p] = im[i] - ti;
                re[i] += tr;
                im[i] += ti;
            }
            const double nextUr = c * ur - s * ui;
            ui = s * ur + c * ui;
            ur = nextUr;
        }
    }

    if (direction < 0) {
        const double scale = 1.0 / n;
        for (int k = 0; k < n; ++k) {
            re[k] *= scale;
            im[k] *= scale;
        }
    }
    return n;
}

}  // namespace lomvex
