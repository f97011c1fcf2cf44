// The transform against a direct DFT, its round trips and scaling; the ramps.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "dsp/fft.h"
#include "dsp/ramp_table.h"

namespace lomvex {
namespace {

using Frame = std::vector<double>;  // re[0..n) then im[0..n)

Frame RandomFrame(int n, unsigned seed) {
    std::mt19937 rng(seed);
    std::uniform_real_distribution<double> value(-1000.0, 1000.0);
    Frame f(2 * n);
    for (double& v : f) v = value(rng);
    return f;
}

int Transform(Frame& f, int m, int direction) {
    return Fft(f.data(), f.data() + f.size() / 2, m, direction);
}

// Direct DFT in long double with the same sign and scaling conventions.
Frame DirectDft(const Frame& x, int direction) {
    const int n = static_cast<int>(x.size() / 2);
    const long double pi = 3.141592653589793238462643383279502884L;
    Frame out(2 * n);
    for (int k = 0; k < n; ++k) {
        long double sr = 0, si = 0;
        for (int j = 0; j < n; ++j) {
            const long double a = (direction < 0 ? -2 : 2) * pi * (k * j % n) / n;
            sr += x[j] * std::cos(a) - x[n + j] * std::sin(a);
            si += x[j] * std::sin(a) + x[n + j] * std::cos(a);
        }
        out[k] = static_cast<double>(direction < 0 ? sr / n : sr);
        out[n + k] = static_cast<double>(direction < 0 ? si / n : si);
    }
    return out;
}

double MaxDifference(const Frame& a, const Frame& b) {
    double worst = 0;
    for (size_t i = 0; i < a.size(); ++i) worst = std::max(worst, std::fabs(a[i] - b[i]));
    return worst;
}

TEST(DspFft, MatchesDirectDftBothDirections) {
    for (int m = 1; m <= 9; ++m) {
        for (int direction : {-1, -5, 0, 1}) {  // any negative value is forward
            const Frame input = RandomFrame(Pow2(m), 17u * m + direction);
            Frame actual = input;
            EXPECT_EQ(Transform(actual, m, direction), Pow2(m));
            const double scale = direction < 0 ? 1000.0 : 1000.0 * Pow2(m);
            EXPECT_LT(MaxDifference(actual, DirectDft(input, direction)), scale * 1e-12)
                << "m=" << m << " direction=" << direction;
        }
    }
}

TEST(DspFft, RoundTripsReturnTheInputAtEveryFrameLength) {
    for (int m = 8; m <= 16; ++m) {
        const Frame input = RandomFrame(Pow2(m), 100u + m);
        for (int first : {kFftForward, kFftInverse}) {
            Frame f = input;
            Transform(f, m, first);
            Transform(f, m, -first);
            EXPECT_LT(MaxDifference(f, input), 1e-8) << "m=" << m << " first=" << first;
        }
    }
}

TEST(DspFft, ImpulseConstantAndRealInput) {
    const int m = 10, n = Pow2(m);
    Frame impulse(2 * n), constant(2 * n), real = RandomFrame(n, 9);
    impulse[0] = 1.0;
    std::fill(constant.begin(), constant.begin() + n, 1.0);
    std::fill(real.begin() + n, real.end(), 0.0);
    for (Frame* f : {&impulse, &constant, &real}) Transform(*f, m, kFftForward);
    for (int k = 0; k < n; ++k) {
        ASSERT_NEAR(impulse[k], 1.0 / n, 1e-15) << k;
        ASSERT_NEAR(impulse[n + k], 0.0, 1e-15) << k;
        ASSERT_NEAR(constant[k], k == 0 ? 1.0 : 0.0, 1e-12) << k;
        ASSERT_NEAR(constant[n + k], 0.0, 1e-12) << k;
        ASSERT_NEAR(real[(n - k) % n], real[k], 1e-10) << k;  // X[N-k] = conj X[k]
        ASSERT_NEAR(real[n + (n - k) % n], -real[n + k], 1e-10) << k;
    }
    double re = 3.5, im = -2.25;  // m <= 0: length 1, arrays unchanged
    EXPECT_EQ(Fft(&re, &im, 0, kFftForward), 1);
    EXPECT_EQ(re, 3.5);
    EXPECT_EQ(im, -2.25);
}

TEST(DspRampTable, RaisedCosineNeverReachingOne) {
    MakeRampTable(4);
    EXPECT_EQ(RampTableLength(), 4);
    EXPECT_EQ(RampTable()[0], 0.0);
    EXPECT_NEAR(RampTable()[1], 0.1464466, 1e-7);
    EXPECT_NEAR(RampTable()[2], 0.5, 1e-15);
    EXPECT_NEAR(RampTable()[3], 0.8535534, 1e-7);
    const double* w = RampFor(1000);
    EXPECT_LT(w[999], 1.0);
    for (int t = 0; t < 1000; ++t) ASSERT_NEAR(w[999 - t] + w[t], 1.0, 3.1416 / 2000);
    MakeRampTable(kRampTableSize + 10);  // held to the table
    EXPECT_EQ(RampTableLength(), kRampTableSize);
}

}  // namespace
}  // namespace lomvex
