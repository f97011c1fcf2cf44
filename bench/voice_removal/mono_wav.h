// Reads the rendered stems: a WAV file of 16-bit integer or 32-bit float
// PCM at 44.1 kHz, one or more channels averaged into one.
#pragma once

#include <string>

#include "bench_sound.h"

namespace lomvex::vbench {

// Fills `mono` with the file's samples (full scale 1.0); on failure returns
// false with `error` saying why.
bool ReadMonoWav(const std::string& path, Channel& mono, std::string& error);

}  // namespace lomvex::vbench
