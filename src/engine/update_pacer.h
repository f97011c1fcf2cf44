// How often a save shows its progress. A save runs through buffers far
// faster than they play; drawing the meter, the elapsed time and the graph
// and handling the window's messages for every one of them would cost more
// than the processing. The pacer lets them happen about 30 times a second,
// which is all the eye and the Stop button need.
#pragma once

#include <cstdint>

namespace lomvex {

// Milliseconds between two updates of the window during a save.
constexpr uint32_t kSaveUpdateMs = 33;

class UpdatePacer {
   public:
    explicit UpdatePacer(uint32_t intervalMs) : intervalMs_(intervalMs) {}
    // Whether an update is due at `nowMs` (a millisecond counter that may
    // wrap around): the first call, and then once `intervalMs` have passed
    // since the last update that was due.
    bool Due(uint32_t nowMs);

   private:
    uint32_t intervalMs_;
    uint32_t lastMs_ = 0;
    bool started_ = false;
};

}  // namespace lomvex
