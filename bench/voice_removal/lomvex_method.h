// Lomvex's voice removal as one of the benchmark's methods: the stream fed
// in blocks of 4096 frames, then flushed, its latency dropped.
#pragma once

#include "bench_sound.h"

namespace lomvex::vbench {

// Returns the output lined up with `mix`; false when the stage refused to
// start.
bool LomvexVoiceRemoval(const Stereo& mix, Stereo& out);

}  // namespace lomvex::vbench
