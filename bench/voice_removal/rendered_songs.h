// Songs mixed from stems rendered by render_songs.sh (sampled General MIDI
// instruments and a synthesized speaking voice) in a work folder.
#pragma once

#include <string>
#include <vector>

#include "bench_sound.h"

namespace lomvex::vbench {

// The rendered songs: set a with a dry centred voice and with the voice's
// own stereo reverb, set b with the voice 0.6 dB louder on the left and
// with it 0.3 ms (13 samples) later on the right. When a
// stem is missing or unreadable, returns none and says why in `problem`.
std::vector<Song> RenderedSongs(const std::string& folder, std::string& problem);

}  // namespace lomvex::vbench
