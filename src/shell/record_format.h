// Fits the record format settings to what the input device can record.
#pragma once

#include <cstdint>

#include "shell/settings.h"

namespace lomvex {

// `formatMask` is the input device's WAVE_FORMAT_* bit mask (0 without an
// input device): no stereo format makes the channels 1, no 16-bit format
// the bits 8, no 22 or 44 kHz format the rate 11025, and no 44 kHz format
// turns exactly 44100 into 22050. Other rates are left as they are.
void FitRecordFormat(Settings& settings, uint32_t formatMask);

}  // namespace lomvex
