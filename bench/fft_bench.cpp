// The transform at N = 256 .. 65536, side by side with FFTW's complex double
// transform when the build found FFTW: one forward and one inverse transform
// of a random frame per round trip. Both run in the same loop, in batches
// that alternate which goes first, so a busy machine slows both alike.
//   us_lomvex, us_fftw  microseconds per round trip
//   ratio               our time / FFTW's time over the whole run
// The reported time is ours alone, per batch of round trips.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <random>
#include <vector>

#include "dsp/fft.h"

#ifdef LOMVEX_HAVE_FFTW
#include <fftw3.h>
#endif

namespace lomvex {
namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

std::vector<double> RandomValues(size_t count) {
    std::mt19937 rng(7);
    std::uniform_real_distribution<double> value(-1.0, 1.0);
    std::vector<double> values(count);
    for (double& v : values) v = value(rng);
    return values;
}

// Round trips per batch: enough to time well at small N, few enough that
// FFTW's unscaled round trips (each multiplies the data by N) stay far from
// overflow between two refills.
int BatchLength(int m) {
    return std::clamp((1 << 18) >> m, 1, 900 / (2 * m));
}

// Our frame: N real parts and N imaginary parts in a frame pair, as the
// program holds them.
class OurTransform {
   public:
    explicit OurTransform(int m) : m_(m), n_(Pow2(m)) {
        MakeFftTables(tables_, m_);
        MakeFramePair(pair_, n_);
    }
    void Fill(const std::vector<double>& values) {
        std::copy(values.begin(), values.begin() + n_, pair_.re);
        std::copy(values.begin() + n_, values.end(), pair_.im);
    }
    void RoundTrip() {
        Fft(tables_, pair_.re, pair_.im, kFftForward);
        Fft(tables_, pair_.re, pair_.im, kFftInverse);
    }
    double First() const { return pair_.re[0]; }

   private:
    int m_;
    int n_;
    FftTables tables_;
    FramePair pair_;
};

#ifdef LOMVEX_HAVE_FFTW
// FFTW's in-place complex transform of interleaved pairs, planned by
// measurement (its best plan for this machine).
class FftwTransform {
   public:
    explicit FftwTransform(int n) : n_(n) {
        data_ = fftw_alloc_complex(n_);
        forward_ = fftw_plan_dft_1d(n_, data_, data_, FFTW_FORWARD, FFTW_MEASURE);
        inverse_ = fftw_plan_dft_1d(n_, data_, data_, FFTW_BACKWARD, FFTW_MEASURE);
    }
    ~FftwTransform() {
        fftw_destroy_plan(forward_);
        fftw_destroy_plan(inverse_);
        fftw_free(data_);
    }
    FftwTransform(const FftwTransform&) = delete;
    FftwTransform& operator=(const FftwTransform&) = delete;
    void Fill(const std::vector<double>& values) {
        for (int k = 0; k < n_; ++k) {
            data_[k][0] = values[k];
            data_[k][1] = values[n_ + k];
        }
    }
    void RoundTrip() {
        fftw_execute(forward_);
        fftw_execute(inverse_);
    }
    double First() const { return data_[0][0]; }

   private:
    int n_;
    fftw_complex* data_;
    fftw_plan forward_;
    fftw_plan inverse_;
};
#endif

template <typename Transform>
double TimeBatch(Transform& transform, const std::vector<double>& values, int length) {
    transform.Fill(values);
    const Clock::time_point start = Clock::now();
    for (int r = 0; r < length; ++r) transform.RoundTrip();
    const double seconds = Seconds(start);
    benchmark::DoNotOptimize(transform.First());
    return seconds;
}

void BM_Fft(benchmark::State& state) {
    const int m = static_cast<int>(state.range(0));
    const int batch = BatchLength(m);
    const std::vector<double> values = RandomValues(2 * static_cast<size_t>(Pow2(m)));
    OurTransform ours(m);
    double ourSeconds = 0;
#ifdef LOMVEX_HAVE_FFTW
    FftwTransform fftw(Pow2(m));
    double fftwSeconds = 0;
    bool oursFirst = true;
    for (auto _ : state) {
        double mine;
        if (oursFirst) {
            mine = TimeBatch(ours, values, batch);
            fftwSeconds += TimeBatch(fftw, values, batch);
        } else {
            fftwSeconds += TimeBatch(fftw, values, batch);
            mine = TimeBatch(ours, values, batch);
        }
        oursFirst = !oursFirst;
        ourSeconds += mine;
        state.SetIterationTime(mine);
    }
#else
    for (auto _ : state) {
        const double mine = TimeBatch(ours, values, batch);
        ourSeconds += mine;
        state.SetIterationTime(mine);
    }
    state.SetLabel("no FFTW in this build: no peer");
#endif
    const double trips = static_cast<double>(state.iterations()) * batch;
    state.counters["us_lomvex"] = ourSeconds / trips * 1e6;
#ifdef LOMVEX_HAVE_FFTW
    state.counters["us_fftw"] = fftwSeconds / trips * 1e6;
    state.counters["ratio"] = ourSeconds / fftwSeconds;
#endif
}

BENCHMARK(BM_Fft)->ArgName("m")->DenseRange(8, 16)->UseManualTime()->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace lomvex
