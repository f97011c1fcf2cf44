// The save's update pacing.
#include "engine/update_pacer.h"

namespace lomvex {

bool UpdatePacer::Due(uint32_t nowMs) {
    // Unsigned difference: right across the counter's wrap-around too.
    if (started_ && nowMs - lastMs_ < intervalMs_) return false;
    started_ = true;
    lastMs_ = nowMs;
    return true;
}

}  // namespace lomvex
