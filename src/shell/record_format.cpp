// Record format fitting: the record setup dialog's rules for what the input
// device offers, applied to the settings at start-up.
#include "shell/record_format.h"

#include "dialogs/record_setup.h"

namespace lomvex {

void FitRecordFormat(Settings& settings, uint32_t formatMask) {
    const RecordSetup fitted =
        FitRecordSetup(formatMask, RecordSetup{settings.freq, settings.channel, settings.bits});
    settings.freq = fitted.freq;
    settings.channel = fitted.channel;
    settings.bits = fitted.bits;
}

}  // namespace lomvex
