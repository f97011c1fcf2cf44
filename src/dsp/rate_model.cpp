// Rate factor, device format and the Options dialog's rate and pitch texts.
#include "dsp/rate_model.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "dsp/dsp_texts.h"

namespace lomvex {
namespace {

// Integer part of a non-negative double + 0.5, kept inside the u32 range.
uint32_t RoundToU32(double v) {
    v += 0.5;
    if (!(v > 0.0)) return 0;
    if (v >= 4294967295.0) return 4294967295u;
    return static_cast<uint32_t>(v);
}

}  // namespace

int ClampRateSetting(int r) {
    return r < kRateMin ? kRateMin : r > kRateMax ? kRateMax : r;
}

double RateFactor(int r) {
    return std::pow(2.0, r / 120.0);
}

int DeviceRateSetting(int r, bool keepTempo) {
    return keepTempo ? 0 : r;
}

double KeptTempoShift(int r, bool keepTempo) {
    return keepTempo ? r / 10.0 : 0.0;
}

double BufferDurationScale(int r) {
    return std::pow(2.0, -r / 120.0);
}

uint32_t DeviceSampleRate(int r, uint32_t fileRate) {
    return RoundToU32(RateFactor(r) * fileRate);
}

uint32_t DeviceByteRate(int r, unsigned formatTag, uint32_t avgBytes, uint32_t blockAlign,
                        uint32_t deviceRate) {
    const double f = RateFactor(r);
    if (blockAlign != 0) {
        if (formatTag == 113 || formatTag == 114 || formatTag == 115) {
            return RoundToU32(f * (avgBytes / blockAlign)) * blockAlign;
        }
        if (formatTag == 1 || formatTag == 6 || formatTag == 7) return deviceRate * blockAlign;
    }
    return RoundToU32(f * avgBytes);
}

std::string RateText(int r) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f%%", 100.0 * RateFactor(r));
    return text;
}

std::string PitchText(int r, bool japanese, bool useclip) {
    const DspTexts& texts = DspTextsFor(japanese);
    char text[64];
    if (useclip && texts.pitchSpelled) {
        std::snprintf(text, sizeof text, texts.pitchSpelled, r < 0 ? '-' : '+', std::abs(r / 10),
                      std::abs(r % 10));
    } else {
        std::snprintf(text, sizeof text, texts.pitchFormat, r / 10.0);
    }
    return text;
}

}  // namespace lomvex
