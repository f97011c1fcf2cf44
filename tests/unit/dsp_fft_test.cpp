// The transform against a direct DFT and against the recurrence-driven
// radix-2 transform it replaced, its round trips and scaling; the ramps.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>
#include <string>
#include <utility>
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
    FftTables tables;
    EXPECT_TRUE(MakeFftTables(tables, m));
    return Fft(tables, f.data(), f.data() + f.size() / 2, direction);
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

// The transform the tables replaced, as it was: bit reversal by counting,
// then radix-2 stages whose twiddles advance by complex multiplication.
void RecurrenceFft(Frame& f, int m, int direction) {
    const int n = m <= 0 ? 1 : 1 << m;
    double* re = f.data();
    double* im = f.data() + n;
    for (int i = 0, j = 0; i < n - 1; ++i) {
        if (i <= j) std::swap(re[i], re[j]), std::swap(im[i], im[j]);
        int k = n / 2;
        for (; j >= k; k /= 2) j -= k;
        j += k;
    }
    double theta = 3.14159265358979323846;
    for (int half = 1; half <= n / 2; half *= 2, theta *= 0.5) {
        const double c = std::cos(theta);
        const double s = direction < 0 ? -std::sin(theta) : std::sin(theta);
        double ur = 1.0, ui = 0.0;
        for (int j = 0; j < half; ++j) {
            for (int i = j; i < n; i += 2 * half) {
                const int p = i + half;
                const double tr = re[p] * ur - im[p] * ui;
                const double ti = im[p] * ur + re[p] * ui;
                re[p] = re[i] - tr, im[p] = im[i] - ti;
                re[i] += tr, im[i] += ti;
            }
            const double nextUr = c * ur - s * ui;
            ui = s * ur + c * ui;
            ur = nextUr;
        }
    }
    if (direction < 0) {
        for (double& v : f) v *= 1.0 / n;
    }
}

double MaxDifference(const Frame& a, const Frame& b) {
    double worst = 0;
    for (size_t i = 0; i < a.size(); ++i) worst = std::max(worst, std::fabs(a[i] - b[i]));
    return worst;
}

double MaxMagnitude(const Frame& a) {
    double worst = 0;
    for (double v : a) worst = std::max(worst, std::fabs(v));
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

// Radix-2 in long double, every twiddle from cosl and sinl of its angle:
// slow, but its rounding errors are far below those of double.
Frame LongDoubleFft(const Frame& x, int m, int direction) {
    const int n = Pow2(m);
    std::vector<long double> re(x.begin(), x.begin() + n), im(x.begin() + n, x.end());
    for (int i = 0, j = 0; i < n; ++i) {
        if (i < j) std::swap(re[i], re[j]), std::swap(im[i], im[j]);
        int bit = n >> 1;
        for (; j & bit; bit >>= 1) j ^= bit;
        j |= bit;
    }
    const long double pi = 3.141592653589793238462643383279502884L;
    for (int half = 1; half < n; half *= 2) {
        for (int k = 0; k < half; ++k) {
            const long double a = (direction < 0 ? -pi : pi) * k / half;
            const long double wr = std::cos(a), wi = std::sin(a);
            for (int i = k; i < n; i += 2 * half) {
                const long double tr = re[i + half] * wr - im[i + half] * wi;
                const long double ti = re[i + half] * wi + im[i + half] * wr;
                re[i + half] = re[i] - tr, im[i + half] = im[i] - ti;
                re[i] += tr, im[i] += ti;
            }
        }
    }
    Frame out(2 * n);
    for (int k = 0; k < n; ++k) {
        out[k] = static_cast<double>(direction < 0 ? re[k] / n : re[k]);
        out[n + k] = static_cast<double>(direction < 0 ? im[k] / n : im[k]);
    }
    return out;
}

// The frames each length is checked with: random values, and integers of
// 16-bit samples as the pipeline feeds them.
std::vector<Frame> CheckFrames(int m) {
    std::mt19937 rng(40u + m);
    std::uniform_int_distribution<int> sample(-32768, 32767);
    Frame pcm(2 * Pow2(m));
    for (double& v : pcm) v = sample(rng);
    return {RandomFrame(Pow2(m), 50u + m), pcm};
}

// Relative to the largest value expected.
double RelativeDifference(const Frame& actual, const Frame& expected) {
    return MaxDifference(actual, expected) / std::max(MaxMagnitude(expected), 1e-300);
}

// Every length the tables serve: the index swaps below 64 points, the tiles
// from there, odd and even exponents.
TEST(DspFft, MatchesALongDoubleTransformAtEveryLength) {
    for (int m = 0; m <= 16; ++m) {
        for (const Frame& input : CheckFrames(m)) {
            for (int direction : {kFftForward, kFftInverse}) {
                Frame actual = input;
                Transform(actual, m, direction);
                EXPECT_LT(RelativeDifference(actual, LongDoubleFft(input, m, direction)), 4e-15)
                    << "m=" << m << " direction=" << direction;
            }
        }
    }
}

// The recurrence lets its twiddles drift, by up to about 1e-12 of the largest
// value at 65536 points (the table-driven transform stays below 1e-15 of the
// long double one): the two agree within that, far below one step of a
// 16-bit sample.
TEST(DspFft, AgreesWithTheRecurrenceTransformAtEveryLength) {
    double worst = 0;
    for (int m = 0; m <= 16; ++m) {
        for (const Frame& input : CheckFrames(m)) {
            for (int direction : {kFftForward, kFftInverse}) {
                Frame actual = input, expected = input;
                Transform(actual, m, direction);
                RecurrenceFft(expected, m, direction);
                const double relative = RelativeDifference(actual, expected);
                worst = std::max(worst, relative);
                EXPECT_LT(relative, 2e-12) << "m=" << m << " direction=" << direction;
            }
        }
    }
    RecordProperty("worstRelativeDifference", std::to_string(worst));
}

TEST(DspFft, RoundTripsReturnTheInputAtEveryFrameLength) {
    for (int m = 0; m <= 16; ++m) {
        const Frame input = RandomFrame(Pow2(m), 100u + m);
        FftTables tables;
        ASSERT_TRUE(MakeFftTables(tables, m));
        for (int first : {kFftForward, kFftInverse}) {
            Frame f = input;
            double* re = f.data();
            double* im = f.data() + Pow2(m);
            EXPECT_EQ(Fft(tables, re, im, first), Pow2(m));
            Fft(tables, re, im, -first);  // the same tables serve both directions
            EXPECT_LT(MaxDifference(f, input), 1e-8) << "m=" << m << " first=" << first;
        }
    }
}

// The wide passes (where the processor has them) and the two-at-a-time
// passes give the same bits, so a save does not depend on the processor.
TEST(DspFft, WidePassesGiveTheSameBitsAsTwoAtATime) {
    FftTables probe;
    ASSERT_TRUE(MakeFftTables(probe, 10));
    if (probe.lanes == 2) GTEST_SKIP() << "this processor has no wide passes";
    for (FftLanes lanes : {FftLanes::kWidest, FftLanes::kFour}) {
        for (int m = 0; m <= 16; ++m) {
            FftTables wide, two;
            ASSERT_TRUE(MakeFftTables(wide, m, lanes));
            ASSERT_TRUE(MakeFftTables(two, m, FftLanes::kTwo));
            EXPECT_EQ(2, two.lanes);
            for (int direction : {kFftForward, kFftInverse}) {
                Frame a = RandomFrame(Pow2(m), 200u + m), b = a;
                Fft(wide, a.data(), a.data() + Pow2(m), direction);
                Fft(two, b.data(), b.data() + Pow2(m), direction);
                ASSERT_EQ(0, std::memcmp(a.data(), b.data(), a.size() * sizeof(double)))
                    << "m=" << m << " direction=" << direction << " lanes=" << wide.lanes;
            }
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
    // m <= 0: length 1, arrays unchanged
    for (int small : {0, -3}) {
        FftTables tables;
        ASSERT_TRUE(MakeFftTables(tables, small));
        EXPECT_EQ(tables.n, 1);
        double re = 3.5, im = -2.25;
        EXPECT_EQ(Fft(tables, &re, &im, kFftForward), 1);
        EXPECT_EQ(re, 3.5);
        EXPECT_EQ(im, -2.25);
    }
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
