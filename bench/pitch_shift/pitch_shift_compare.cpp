// Compares Lomvex's pitch shifter with the command-line programs rubberband
// (Debian package rubberband-cli) and soundstretch (Debian package
// soundstretch), run as separate programs through WAV files.
//
// For k = -5, -2, +2, +5 semitones at the song's own tempo, for tempos of
// 50, 75, 90, 125 and 150 % without a shift, and for +-3 semitones at 75
// and 125 %, the test song is processed by each program and compared with
// the song generated k semitones higher with every note's start and length
// times 100 / tempo. Columns:
//   lsd_db     log-spectral distance to the ideal (sound_measures.h), after
//              moving the output by the lag that matches it best: the peak
//              of the loudness cross-correlation, refined to the lowest
//              distance within 10 ms of it
//   lsd_steady the same for the song with a melody without vibrato: a
//              singer's vibrato keeps its rate at any tempo, which a
//              stretch of the sound does not
//   lag_ms     that lag: the delay the program leaves in its output
//   cents      pitch error on a steady 440 Hz tone (6 s, measured 1 .. 5 s
//              of the song's time)
//   dur_ms     output length minus input length times 100 / tempo
//   click_ms   a train of one-sample clicks every 0.3 s: the widest distance
//              of a click's energy centre from its ideal time (the lag and
//              the program's median distance taken off)
//   width_ms   the widest span holding 90 % of a click's energy
//   x_realtime seconds of song per second of wall time, best of two runs;
//              for the programs this includes starting them and their WAV
//              input and output, for Lomvex only the shifting
//
// Usage: lomvex_pitch_bench [WORK_FOLDER [PROGRAM]]
//   WORK_FOLDER  where the WAV files go (default /tmp/lomvex_pitch_bench)
//   PROGRAM      only the rows of this program (as the table names it)
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "dsp/pitch_shift.h"
#include "sound_measures.h"
#include "test_song.h"
#include "wav_file.h"

namespace lomvex {
namespace {

using Clock = std::chrono::steady_clock;

constexpr double kToneSeconds = 6.0;
constexpr int kMaxLag = 8192;
constexpr int kRefineLag = 441;  // 10 ms
constexpr int kRefineStep = 22;  // 0.5 ms
constexpr int kRuns = 2;

double Seconds(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Shifts `sound` as a saved file is: blocks of 4096 frames, the first
// latency frames dropped and the flushed ones appended.
StereoSound ShiftWithLomvex(const StereoSound& sound, double semitones, double tempo) {
    PitchShiftState state;
    if (!StartPitchShift(state, kTestRate, 2)) return {};
    SetPitchShift(state, semitones);
    SetTempo(state, tempo);
    StereoSound out;
    std::vector<double> left(PitchShiftMostFlush(state) + PitchShiftMostOutput(state, 4096));
    std::vector<double> right(left.size());
    auto keep = [&](int count) {
        out.left.insert(out.left.end(), left.begin(), left.begin() + count);
        out.right.insert(out.right.end(), right.begin(), right.begin() + count);
    };
    const size_t length = sound.left.size();
    for (size_t done = 0; done < length; done += 4096) {
        const int block = static_cast<int>(std::min<size_t>(4096, length - done));
        keep(ShiftPitch(state, &sound.left[done], &sound.right[done], block, left.data(),
                        right.data()));
    }
    keep(FlushPitchShift(state, left.data(), right.data()));
    const int latency = PitchShiftLatency(state);
    out.left.erase(out.left.begin(), out.left.begin() + latency);
    out.right.erase(out.right.begin(), out.right.begin() + latency);
    return out;
}

struct Tool {
    const char* name;
    const char* command;  // printf format: options, input, output; empty for Lomvex
};

constexpr Tool kTools[] = {
    {"lomvex", ""},
    {"rubberband", "rubberband -q %s '%s' '%s' >/dev/null 2>&1"},
    {"rubberband -3", "rubberband -q -3 %s '%s' '%s' >/dev/null 2>&1"},
    {"soundstretch", "soundstretch '%2$s' '%3$s' %1$s >/dev/null 2>&1"},
};

// A row of the table: a transposition and a tempo.
struct Case {
    double semitones;
    double tempo;  // percent
};

// The options that ask `tool` for the case.
std::string Options(const Tool& tool, const Case& c) {
    char text[128];
    if (std::string(tool.name) == "soundstretch") {
        std::snprintf(text, sizeof text, "-pitch=%g -tempo=%g", c.semitones, c.tempo - 100.0);
    } else {
        std::snprintf(text, sizeof text, "-p %g -T %g", c.semitones, c.tempo / 100.0);
    }
    return text;
}

// Processes the file `in` into `out` with `tool`; returns the best wall
// time of kRuns runs, or a negative value when the tool failed.
double Process(const Tool& tool, const Case& c, const std::string& in, const std::string& out) {
    double best = 1e300;
    for (int run = 0; run < kRuns; ++run) {
        const Clock::time_point start = Clock::now();
        if (!*tool.command) {
            StereoSound sound;
            if (!ReadWav(in, sound)) return -1;
            const Clock::time_point shiftStart = Clock::now();
            const StereoSound shifted = ShiftWithLomvex(sound, c.semitones, c.tempo);
            best = std::min(best, Seconds(shiftStart));
            if (!WriteWav(out, shifted)) return -1;
            continue;
        }
        char command[1024];
        std::snprintf(command, sizeof command, tool.command, Options(tool, c).c_str(), in.c_str(),
                      out.c_str());
        if (std::system(command) != 0) return -1;
        best = std::min(best, Seconds(start));
    }
    return best;
}

// The lag (frames) at which `output` best matches `ideal` and the distance
// there: the loudness curves find the lag to within a few milliseconds; the
// distance is then taken at its lowest within kRefineLag of it.
std::pair<int, double> Match(const StereoSound& output, const StereoSound& ideal) {
    const int roughLag = BestLag(output, ideal, kMaxLag);
    int lag = roughLag;
    double lsd = LogSpectralDistance(output, lag, ideal);
    for (int near = roughLag - kRefineLag; near <= roughLag + kRefineLag; near += kRefineStep) {
        const double distance = LogSpectralDistance(output, near, ideal);
        if (distance < lsd) lsd = distance, lag = near;
    }
    return {lag, lsd};
}

// The ideal places of the clicks of MakeClickTrain(stretch), `lag` later.
std::vector<double> ClickPlaces(double stretch, double seconds, int lag) {
    std::vector<double> places;
    for (int k = 1; k * kClickSpacing < seconds; ++k)
        places.push_back(std::lrint(k * kClickSpacing * stretch * kTestRate) + lag);
    return places;
}

void Compare(const Case& c, const std::string& folder, const std::string& only) {
    const double factor = std::pow(2.0, c.semitones / 12.0), stretch = 100.0 / c.tempo;
    const StereoSound song = MakeTestSong(1.0), ideal = MakeTestSong(factor, stretch);
    const StereoSound steadyIdeal = MakeTestSong(factor, stretch, false);
    const std::string songPath = folder + "/song.wav", tonePath = folder + "/tone.wav",
                      clickPath = folder + "/clicks.wav", steadyPath = folder + "/steady.wav";
    WriteWav(songPath, song);
    WriteWav(steadyPath, MakeTestSong(1.0, 1.0, false));
    WriteWav(tonePath, MakeSteadyTone(1.0, kToneSeconds));
    WriteWav(clickPath, MakeClickTrain(1.0, kToneSeconds));
    const double songSeconds = static_cast<double>(song.left.size()) / kTestRate;
    for (const Tool& tool : kTools) {
        if (!only.empty() && only != tool.name) continue;
        const std::string songOut = folder + "/song_out.wav", toneOut = folder + "/tone_out.wav",
                          clickOut = folder + "/clicks_out.wav",
                          steadyOut = folder + "/steady_out.wav";
        const double seconds = Process(tool, c, songPath, songOut);
        StereoSound shifted, tone, clicks, steady;
        if (seconds < 0 || Process(tool, c, tonePath, toneOut) < 0 ||
            Process(tool, c, clickPath, clickOut) < 0 ||
            Process(tool, c, steadyPath, steadyOut) < 0 || !ReadWav(songOut, shifted) ||
            !ReadWav(toneOut, tone) || !ReadWav(clickOut, clicks) || !ReadWav(steadyOut, steady)) {
            std::printf("%+3g %4g  %-14s  failed (is it installed?)\n", c.semitones, c.tempo,
                        tool.name);
            continue;
        }
        const auto [lag, lsd] = Match(shifted, ideal);
        const double steadyLsd = Match(steady, steadyIdeal).second;
        const double toneEnd = std::min<double>(tone.left.size(), 5.0 * stretch * kTestRate);
        const double hz =
            ToneHz(tone.left, static_cast<int>(stretch * kTestRate), static_cast<int>(toneEnd));
        const double cents = 1200.0 * std::log2(hz / (440.0 * factor));
        const double durationMs =
            1000.0 * (static_cast<double>(shifted.left.size()) - song.left.size() * stretch) /
            kTestRate;
        const ClickFit fit = FitClicks(clicks.left, ClickPlaces(stretch, kToneSeconds, lag));
        std::printf("%+3g %4g  %-14s  %7.2f  %7.2f  %7.1f  %+7.3f  %+7.1f  %7.1f  %7.1f  %9.1f\n",
                    c.semitones, c.tempo, tool.name, lsd, steadyLsd, 1000.0 * lag / kTestRate,
                    cents, durationMs, fit.offsetMs, fit.widthMs, songSeconds / seconds);
    }
}

}  // namespace
}  // namespace lomvex

int main(int argc, char** argv) {
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    const std::string folder = argc > 1 ? argv[1] : "/tmp/lomvex_pitch_bench";
    const std::string only = argc > 2 ? argv[2] : "";
    if (std::system(("mkdir -p '" + folder + "'").c_str()) != 0) return 1;
    std::printf(
        "  k tempo program          lsd_db  lsd_steady  lag_ms    cents   dur_ms "
        "click_ms width_ms x_realtime\n");
    const lomvex::Case cases[] = {{-5, 100}, {-2, 100}, {2, 100}, {5, 100}, {0, 50},
                                  {0, 75},   {0, 90},   {0, 125}, {0, 150}, {3, 75},
                                  {-3, 75},  {3, 125},  {-3, 125}};
    for (const lomvex::Case& c : cases) lomvex::Compare(c, folder, only);
    return 0;
}
