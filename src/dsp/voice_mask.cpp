// Centre, harmonic share, pitch comb, smoothing and reverb memory per frame.
#include "dsp/voice_mask.h"

#include <algorithm>
#include <cmath>
#include <new>
#include <utility>

#include "dsp/median_filters.h"
#include "dsp/voice_pitch.h"

namespace lomvex {
namespace {

constexpr int kWide = 4;             // bins each side of the centre's local maximum
constexpr int kAcross = 8;           // bins each side of the median across frequency
constexpr double kLowFromHz = 90.0;  // the bass band ends here ...
constexpr double kLowToHz = 140.0;   // ... and the voice is taken in full from here
constexpr double kTopHz = 10000.0;
constexpr double kPureFromHz =
    200.0;  // a coherent, level centre counts from here, in full at twice
constexpr double kReverbSeconds = 1.0;  // time for the memory to fall by 60 dB
constexpr double kReverbShare = 0.8;    // reverb power per unit of voice power
constexpr int kReverbSpread = 2;        // bins each side the reverb memory reaches
constexpr double kReverbFloor = 0.15;   // least amplitude gain of the subtraction
constexpr double kOwnFloor = 1e-3;      // least share of a channel's power that is its own
constexpr double kTiny = 1e-30;
constexpr double kPi = 3.14159265358979323846;

enum Part { kLeftRe, kLeftIm, kRightRe, kRightIm, kParts };
enum Power { kCross, kLeftPower, kRightPower, kPowers };

int Slot(long long frame) {
    return static_cast<int>(((frame % kMaskFrames) + kMaskFrames) % kMaskFrames);
}

double* Row(const std::unique_ptr<double[]>& rows, int bins, long long frame) {
    return rows.get() + static_cast<long long>(Slot(frame)) * bins;
}

double* Part(const VoiceMask& m, long long frame, int part) {
    return m.spectra.get() + (static_cast<long long>(Slot(frame)) * kParts + part) * m.bins;
}

double* PowerRow(const VoiceMask& m, long long frame, int power) {
    return m.powers.get() + (static_cast<long long>(Slot(frame)) * kPowers + power) * m.bins;
}

// out[k] = the largest of in[k - reach .. k + reach] (within 0 .. count-1),
// and no less than 0.
void MaxNear(const double* in, int count, int reach, double* out) {
    for (int k = 0; k < count; ++k) {
        double most = 0.0;
        for (int b = std::max(0, k - reach); b <= std::min(count - 1, k + reach); ++b) {
            most = std::max(most, in[b]);
        }
        out[k] = most;
    }
}

// The harmonic share and the harmonic centre of frame `s`.
void FindHarmonicCentre(VoiceMask& m, long long s) {
    static_assert(kMaskFrames == kMedianRows, "the median across frames takes every frame held");
    const double* centre = Row(m.centre, m.bins, s);
    double window[2 * kAcross + 1];
    // The medians across frames go into share, those across bins into
    // harmonic, and each bin then turns its pair into its results.
    MedianOfNineRows(m.wide.get(), m.bins, m.bins, m.share.get());
    RunningMedian(centre, m.bins, kAcross, window, m.harmonic.get());
    for (int k = 0; k < m.bins; ++k) {
        const double across = m.share[k], along = m.harmonic[k];
        m.share[k] = across / (across + along + kTiny);
        m.harmonic[k] = centre[k] * m.share[k];
    }
}

// Sums over the bins k-1 .. k+1 of frames s-1 .. s+1: the product of the
// channels and the power of each.
void LocalPowers(const VoiceMask& m, long long s, int k, double& cross, double& left,
                 double& right) {
    cross = left = right = 0.0;
    for (long long f = s - 1; f <= s + 1; ++f) {
        const double* c = PowerRow(m, f, kCross);
        const double* l = PowerRow(m, f, kLeftPower);
        const double* r = PowerRow(m, f, kRightPower);
        for (int b = std::max(0, k - 1); b <= std::min(m.bins - 1, k + 1); ++b) {
            cross += c[b];
            left += l[b];
            right += r[b];
        }
    }
}

// The coherence of the two channels: 1 where one source (or sources that
// sound alike in both) fills the bins, less where the channels differ.
double Coherence(double cross, double left, double right) {
    const double common = std::max(0.0, cross);
    return std::min(1.0, common * common / (left * right + kTiny));
}

// 1 where the channels are equally loud, falling to half at 7.7 dB apart.
double LevelMatch(double left, double right) {
    const double sum = left + right;
    return 4.0 * left * right / (sum * sum + kTiny);
}

// How much of what both channels hold in common is a centred source rather
// than one source panned to a side: a single panned source is coherent at
// unequal levels, a centred one at equal levels, and incoherent sums give
// no sign either way. The level term falls to half at 4.4 dB between the
// channels and to a hundredth at 12 dB.
double Equalness(double coherence, double match) {
    const double square = match * match;
    return 1.0 - coherence * (1.0 - square * square);
}

// Above the voice's lowest harmonics, a bin that is coherent at equal
// levels is the voice even where its pitch is not found: its consonants,
// and harmonics of a pitch that glides too fast to be tracked. Below, the
// bass's harmonics are centred too, so only the pitch decides there.
double PureCentre(const VoiceMask& m, int k, double coherence, double match) {
    const double hz = k * m.binHz;
    if (hz <= kPureFromHz) return 0.0;
    return coherence * match * match * std::min(1.0, (hz - kPureFromHz) / kPureFromHz);
}

struct VoiceWeights {
    double fromLeft, fromRight;
};

// The weights on a bin's two channels whose sum is the least-squares
// estimate of the voice in it. Each channel is the centre (power `common`,
// the same in both) plus a part of its own, uncorrelated with the rest, of
// power `left` or `right` less the centre's. The best linear estimate of the
// centre from both channels is then
//   (ownRight * L + ownLeft * R) * common / det,
//   det = common * (ownLeft + ownRight) + ownLeft * ownRight,
// and the voice is `voice` of it. Subtracted from both channels, it keeps a
// channel's own part whole where the other channel holds the centre alone;
// a gain per channel would take that part with the centre's share.
VoiceWeights WeighVoice(double voice, double common, double left, double right) {
    const double ownLeft = std::max(left - common, kOwnFloor * left);
    const double ownRight = std::max(right - common, kOwnFloor * right);
    const double det = common * (ownLeft + ownRight) + ownLeft * ownRight + kTiny;
    return {voice * common * ownRight / det, voice * common * ownLeft / det};
}

double LowBandWeight(const VoiceMask& m, int k) {
    if (k <= m.lowFrom) return 0.0;
    if (k >= m.lowTo) return 1.0;
    return static_cast<double>(k - m.lowFrom) / (m.lowTo - m.lowFrom);
}

// The amplitude gain that takes the remembered reverb power near bin k off
// `power`.
double ReverbGain(const VoiceMask& m, int k, double power) {
    const double left = 1.0 - kReverbShare * m.reverbNear[k] / (power + kTiny);
    return std::sqrt(std::max(kReverbFloor * kReverbFloor, left));
}

}  // namespace

bool MakeVoiceMask(VoiceMask& mask, int n, double sampleRate) {
    mask = VoiceMask{};
    VoiceMask m;
    m.bins = n / 2 + 1;
    const long long rows = static_cast<long long>(kMaskFrames) * m.bins;
    m.spectra.reset(new (std::nothrow) double[kParts * rows]());
    m.powers.reset(new (std::nothrow) double[kPowers * rows]());
    m.centre.reset(new (std::nothrow) double[rows]());
    m.wide.reset(new (std::nothrow) double[rows]());
    for (auto* scratch :
         {&m.harmonic, &m.share, &m.comb, &m.compressed, &m.reverb, &m.reverbNear}) {
        scratch->reset(new (std::nothrow) double[m.bins]());
        if (!*scratch) return false;
    }
    if (!m.spectra || !m.powers || !m.centre || !m.wide ||
        !MakeChannelDelay(m.delay, n, sampleRate)) {
        return false;
    }
    m.binHz = sampleRate / n;
    m.topHz = std::min(kTopHz, 0.45 * sampleRate);
    m.lowFrom = static_cast<int>(kLowFromHz / m.binHz);
    m.lowTo = std::max(m.lowFrom + 1, static_cast<int>(kLowToHz / m.binHz));
    const double hopSeconds = n / 4 / sampleRate;
    m.reverbDecay = std::pow(10.0, -6.0 * hopSeconds / kReverbSeconds);
    m.n = n;
    mask = std::move(m);
    return true;
}

void AddVoiceFrame(VoiceMask& m, const double* re, const double* im) {
    const long long f = m.frames++;
    double *lr = Part(m, f, kLeftRe), *li = Part(m, f, kLeftIm);
    double *rr = Part(m, f, kRightRe), *ri = Part(m, f, kRightIm);
    double* centre = Row(m.centre, m.bins, f);
    double* wide = Row(m.wide, m.bins, f);
    for (int k = 0; k < m.bins; ++k) {
        const int mirror = (m.n - k) & (m.n - 1);
        const double a = re[k], b = im[k], c = re[mirror], d = im[mirror];
        lr[k] = 0.5 * (a + c), li[k] = 0.5 * (b - d);
        rr[k] = 0.5 * (b + d), ri[k] = 0.5 * (c - a);
    }
    AddDelayFrame(m.delay, lr, li, rr, ri, m.comb.get());
    m.lags[Slot(f)] = m.delay.lag;
    TurnSpectrum(rr, ri, m.n, m.delay.lag);
    double* cross = PowerRow(m, f, kCross);
    double* leftPower = PowerRow(m, f, kLeftPower);
    double* rightPower = PowerRow(m, f, kRightPower);
    for (int k = 0; k < m.bins; ++k) {
        cross[k] = lr[k] * rr[k] + li[k] * ri[k];
        leftPower[k] = lr[k] * lr[k] + li[k] * li[k];
        rightPower[k] = rr[k] * rr[k] + ri[k] * ri[k];
        centre[k] = std::sqrt(std::max(0.0, cross[k]));
    }
    MaxNear(centre, m.bins, kWide, wide);
}

void MaskVoiceFrame(VoiceMask& m, double* re, double* im) {
    const long long s = m.frames - 1 - kLookAhead;
    FindHarmonicCentre(m, s);
    const double f0 = TrackVoicePitch(m.harmonic.get(), m.bins, m.binHz, m.compressed.get());
    MarkHarmonics(m.harmonic.get(), m.bins, m.binHz, f0, m.topHz, m.comb.get());
    const double *lr = Part(m, s, kLeftRe), *li = Part(m, s, kLeftIm);
    const double *rr = Part(m, s, kRightRe), *ri = Part(m, s, kRightIm);
    const double* crossHere = PowerRow(m, s, kCross);
    for (int k = 0; k < m.bins; ++k) m.reverb[k] *= m.reverbDecay;
    MaxNear(m.reverb.get(), m.bins, kReverbSpread, m.reverbNear.get());
    // Turns the right channel back by its lag as it is written out.
    const double back = -2.0 * kPi * m.lags[Slot(s)] / m.n;
    const double backRe = std::cos(back), backIm = std::sin(back);
    double turnRe = 1.0, turnIm = 0.0;
    for (int k = 0; k < m.bins; ++k) {
        double cross, left, right;
        LocalPowers(m, s, k, cross, left, right);
        const double coherence = Coherence(cross, left, right);
        const double match = LevelMatch(left, right);
        const double pure = PureCentre(m, k, coherence, match);
        const double voice = std::max(m.comb[k], pure) * m.share[k] * LowBandWeight(m, k);
        const double equal = Equalness(coherence, match);
        const double common = std::max(0.0, cross) * equal;
        const VoiceWeights w = WeighVoice(voice, common, left, right);
        const double voiceRe = w.fromLeft * lr[k] + w.fromRight * rr[k];
        const double voiceIm = w.fromLeft * li[k] + w.fromRight * ri[k];
        double leftRe = lr[k] - voiceRe, leftIm = li[k] - voiceIm;
        double alignedRe = rr[k] - voiceRe, alignedIm = ri[k] - voiceIm;
        if (k > m.lowFrom) {
            const double gainLeft = ReverbGain(m, k, leftRe * leftRe + leftIm * leftIm);
            const double gainRight =
                ReverbGain(m, k, alignedRe * alignedRe + alignedIm * alignedIm);
            leftRe *= gainLeft, leftIm *= gainLeft;
            alignedRe *= gainRight, alignedIm *= gainRight;
        }
        const double dry = voice * std::max(0.0, crossHere[k]) * equal;
        m.harmonic[k] = dry;
        const double rightRe = alignedRe * turnRe - alignedIm * turnIm;
        const double rightIm = alignedRe * turnIm + alignedIm * turnRe;
        const double nextRe = turnRe * backRe - turnIm * backIm;
        turnIm = turnRe * backIm + turnIm * backRe;
        turnRe = nextRe;
        re[k] = leftRe - rightIm, im[k] = leftIm + rightRe;
        if (k > 0 && k < m.n / 2) {
            re[m.n - k] = leftRe + rightIm, im[m.n - k] = rightRe - leftIm;
        }
    }
    for (int k = 0; k < m.bins; ++k) m.reverb[k] = std::max(m.reverb[k], m.harmonic[k]);
}

}  // namespace lomvex
