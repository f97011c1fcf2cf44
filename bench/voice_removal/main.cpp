// lomvex_voice_bench: scores voice removal on songs whose accompaniment is
// known, synthesized ones and, when render_songs.sh has filled WORKDIR,
// songs mixed from sampled instruments and a voice. Prints a markdown table
// of every method on every song, the means and Lomvex's goals.
//
// Usage: lomvex_voice_bench [WORKDIR]   (WORKDIR defaults to ".")
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "bench_sound.h"
#include "lomvex_method.h"
#include "measures.h"
#include "peers.h"
#include "rendered_songs.h"
#include "report.h"
#include "synth_songs.h"

using namespace lomvex::vbench;

namespace {

struct Method {
    std::string name;
    std::function<bool(const Song&, const Stereo& mix, Stereo& out)> run;
};

const char kLomvex[] = "Lomvex";

std::vector<Method> Methods() {
    return {
        {"mixture", [](const Song&, const Stereo& mix, Stereo& out) { return out = mix, true; }},
        {"L-R", [](const Song&, const Stereo& mix,
                   Stereo& out) { return out = ClassicDifference(mix), true; }},
        {"difference share", [](const Song&, const Stereo& mix,
                                Stereo& out) { return out = DifferenceShare(mix), true; }},
        {"centre cut",
         [](const Song&, const Stereo& mix, Stereo& out) { return out = CentreCut(mix), true; }},
        {"oracle mask", [](const Song& song, const Stereo& mix,
                           Stereo& out) { return out = OracleMask(mix, song), true; }},
        {kLomvex,
         [](const Song&, const Stereo& mix, Stereo& out) { return LomvexVoiceRemoval(mix, out); }},
    };
}

Score Measure(const Song& song, const std::string& method, const Stereo& out, double seconds) {
    Score s;
    s.song = song.name;
    s.method = method;
    s.siSdr = SiSdr(out, song.accompaniment);
    s.voiceLeft = VoiceLeft(out, song.voice);
    s.lowBandDiff = Db(LowBandEnergy(out) / LowBandEnergy(song.accompaniment));
    s.correlation = InterChannelCorrelation(out);
    s.truthCorrelation = InterChannelCorrelation(song.accompaniment);
    s.realTime = kSeconds / seconds;
    return s;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string folder = argc > 1 ? argv[1] : ".";
    std::vector<Song> songs = SynthesizedSongs();
    std::string problem;
    std::vector<Song> rendered = RenderedSongs(folder, problem);
    if (rendered.empty()) {
        std::fprintf(stderr,
                     "Rendered stems missing (%s); run bench/voice_removal/render_songs.sh %s "
                     "first. Scoring the synthesized songs only.\n",
                     problem.c_str(), folder.c_str());
    }
    songs.insert(songs.end(), rendered.begin(), rendered.end());

    const std::vector<Method> methods = Methods();
    std::vector<Score> scores;
    for (const Song& song : songs) {
        const Stereo mix = Sum(song.accompaniment, song.voice);
        for (const Method& method : methods) {
            Stereo out;
            const auto start = std::chrono::steady_clock::now();
            if (!method.run(song, mix, out)) {
                std::fprintf(stderr, "%s could not start on %s\n", method.name.c_str(),
                             song.name.c_str());
                return 1;
            }
            const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
            scores.push_back(Measure(song, method.name, out, took.count()));
        }
    }
    std::vector<std::string> names;
    for (const Method& method : methods) names.push_back(method.name);
    PrintScores(scores);
    PrintMeans(scores, names);
    PrintGoals(scores, kLomvex, {"L-R", "difference share", "centre cut"});
    return 0;
}
