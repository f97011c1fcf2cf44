// Synthesized songs of the voice removal benchmark: a sung vowel with
// vibrato and formants over centred bass, kick and snare, tones panned left
// and right and a wide pad; melodies, tempi, keys and the voice's placement
// differ from song to song.
#pragma once

#include <vector>

#include "bench_sound.h"

namespace lomvex::vbench {

// The four synthesized songs: a dry centred voice, a voice with its own
// decorrelated stereo reverb, a voice 0.6 dB louder on the left, a voice
// 0.3 ms later on the right.
std::vector<Song> SynthesizedSongs();

}  // namespace lomvex::vbench
