// WAV files between the comparison and the programs it runs: 16-bit stereo
// written, 16-bit or 32-bit float PCM (plain or extensible format) read.
#pragma once

#include <string>

#include "test_song.h"

namespace lomvex {

// Writes `sound` as 44.1 kHz 16-bit stereo; false when the file cannot be
// written.
bool WriteWav(const std::string& path, const StereoSound& sound);

// Reads a one- or two-channel file into `sound` in 16-bit units (a mono
// file fills both channels); false when the file is missing or of another
// kind.
bool ReadWav(const std::string& path, StereoSound& sound);

}  // namespace lomvex
