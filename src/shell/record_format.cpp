// Record format fitting.
#include "shell/record_format.h"

namespace lomvex {

void FitRecordFormat(Settings& settings, uint32_t formatMask) {
    constexpr uint32_t kStereoFormats = 0xAAA;
    constexpr uint32_t kSixteenBitFormats = 0xCCC;
    constexpr uint32_t k22And44kHzFormats = 0xFF0;
    constexpr uint32_t k44kHzFormats = 0xF00;
    if ((formatMask & kStereoFormats) == 0) settings.channel = 1;
    if ((formatMask & kSixteenBitFormats) == 0) settings.bits = 8;
    if ((formatMask & k22And44kHzFormats) == 0)
        settings.freq = 11025;
    else if ((formatMask & k44kHzFormats) == 0 && settings.freq == 44100)
        settings.freq = 22050;
}

}  // namespace lomvex
