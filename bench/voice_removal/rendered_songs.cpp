// Mixes the rendered stems: bass, kick and snare in the centre, piano left,
// guitar right, two string pads hard left and right (a wide pad), the voice
// in the centre at the accompaniment's level.
#include "rendered_songs.h"

#include <cmath>

#include "mono_wav.h"

namespace lomvex::vbench {
namespace {

struct Part {
    const char* stem;
    double pan;
    double level;  // relative RMS in the accompaniment
};

constexpr Part kParts[] = {
    {"bass", 0.0, 1.0},   {"kick", 0.0, 1.0},      {"snare", 0.0, 0.7},     {"piano", -0.7, 0.7},
    {"guitar", 0.7, 0.7}, {"pad_left", -1.0, 0.4}, {"pad_right", 1.0, 0.4},
};

// The stem cut or padded to the song's length, at unit RMS.
bool LoadStem(const std::string& path, Channel& stem, std::string& problem) {
    if (!ReadMonoWav(path, stem, problem)) return false;
    stem.resize(kLength, 0.0);
    double energy = 0;
    for (double s : stem) energy += s * s;
    if (energy == 0) return problem = path + ": silent", false;
    const double gain = std::sqrt(kLength / energy);
    for (double& s : stem) s *= gain;
    return true;
}

bool LoadSet(const std::string& folder, const std::string& set, Stereo& accompaniment,
             Channel& voice, std::string& problem) {
    accompaniment = Silence(kLength);
    for (const Part& part : kParts) {
        Channel stem;
        if (!LoadStem(folder + "/" + set + "_" + part.stem + ".wav", stem, problem)) return false;
        AddPanned(accompaniment, stem, part.pan, part.level);
    }
    return LoadStem(folder + "/" + set + "_voice.wav", voice, problem);
}

Song MakeSong(const std::string& name, const Stereo& accompaniment, const Channel& dry, bool reverb,
              double leftDb, size_t rightDelay) {
    Song song{name, accompaniment, reverb ? Reverb(dry, 17) : Silence(kLength)};
    const double leftGain = std::pow(10.0, leftDb / 20);
    for (size_t i = 0; i < kLength; ++i) {
        song.voice.left[i] += leftGain * dry[i];
        if (i >= rightDelay) song.voice.right[i] += dry[i - rightDelay];
    }
    LevelSong(song);
    return song;
}

}  // namespace

std::vector<Song> RenderedSongs(const std::string& folder, std::string& problem) {
    Stereo a, b;
    Channel voiceA, voiceB;
    if (!LoadSet(folder, "a", a, voiceA, problem) || !LoadSet(folder, "b", b, voiceB, problem)) {
        return {};
    }
    return {MakeSong("sampled a dry", a, voiceA, false, 0.0, 0),
            MakeSong("sampled a reverb", a, voiceA, true, 0.0, 0),
            MakeSong("sampled b +0.6dB left", b, voiceB, false, 0.6, 0),
            MakeSong("sampled b 0.3ms late right", b, voiceB, false, 0.0, 13)};
}

}  // namespace lomvex::vbench
