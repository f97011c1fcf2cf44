// Compares Lomvex's pitch shifter with the command-line programs rubberband
// (Debian package rubberband-cli) and soundstretch (Debian package
// soundstretch), run as separate programs through WAV files.
//
// For k = -5, -2, +2, +5 semitones the test song is transposed by each and
// compared with the song generated k semitones higher. Columns:
//   lsd_db     log-spectral distance to the ideal (sound_measures.h), after
//              moving the output by the lag that matches it best: the peak
//              of the loudness cross-correlation, refined to the lowest
//              distance within 10 ms of it
//   lag_ms     that lag: the delay the program leaves in its output
//   cents      pitch error on a steady 440 Hz tone (6 s, measured 1 .. 5 s)
//   dur_ms     output length minus input length
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
StereoSound ShiftWithLomvex(StereoSound sound, double semitones) {
    PitchShiftState state;
    if (!StartPitchShift(state, kTestRate, 2)) return {};
    SetPitchShift(state, semitones);
    const size_t length = sound.left.size();
    for (size_t done = 0; done < length; done += 4096) {
        const int block = static_cast<int>(std::min<size_t>(4096, length - done));
        ShiftPitch(state, &sound.left[done], &sound.right[done], block);
    }
    const int latency = PitchShiftLatency(state);
    std::vector<double> left(latency), right(latency);
    FlushPitchShift(state, left.data(), right.data());
    sound.left.erase(sound.left.begin(), sound.left.begin() + latency);
    sound.right.erase(sound.right.begin(), sound.right.begin() + latency);
    sound.left.insert(sound.left.end(), left.begin(), left.end());
    sound.right.insert(sound.right.end(), right.begin(), right.end());
    return sound;
}

struct Tool {
    const char* name;
    const char* command;  // printf format: semitones, input, output; empty for Lomvex
};

constexpr Tool kTools[] = {
    {"lomvex", ""},
    {"rubberband", "rubberband -q -p %g '%s' '%s' >/dev/null 2>&1"},
    {"rubberband -3", "rubberband -q -3 -p %g '%s' '%s' >/dev/null 2>&1"},
    {"soundstretch", "soundstretch '%s' '%s' -pitch=%g >/dev/null 2>&1"},
};

// Transposes the file `in` into `out` with `tool`; returns the best wall
// time of kRuns runs, or a negative value when the tool failed.
double Transpose(const Tool& tool, double semitones, const std::string& in,
                 const std::string& out) {
    double best = 1e300;
    for (int run = 0; run < kRuns; ++run) {
        const Clock::time_point start = Clock::now();
        if (!*tool.command) {
            StereoSound sound;
            if (!ReadWav(in, sound)) return -1;
            const Clock::time_point shiftStart = Clock::now();
            const StereoSound shifted = ShiftWithLomvex(sound, semitones);
            best = std::min(best, Seconds(shiftStart));
            if (!WriteWav(out, shifted)) return -1;
            continue;
        }
        char command[1024];
        const bool soundstretch = std::string(tool.name) == "soundstretch";
        if (soundstretch) {
            std::snprintf(command, sizeof command, tool.command, in.c_str(), out.c_str(),
                          semitones);
        } else {
            std::snprintf(command, sizeof command, tool.command, semitones, in.c_str(),
                          out.c_str());
        }
        if (std::system(command) != 0) return -1;
        best = std::min(best, Seconds(start));
    }
    return best;
}

void CompareAt(int semitones, const std::string& folder, const std::string& only) {
    const double factor = std::pow(2.0, semitones / 12.0);
    const StereoSound song = MakeTestSong(1.0), ideal = MakeTestSong(factor);
    const std::string songPath = folder + "/song.wav", tonePath = folder + "/tone.wav";
    WriteWav(songPath, song);
    WriteWav(tonePath, MakeSteadyTone(1.0, kToneSeconds));
    const double songSeconds = static_cast<double>(song.left.size()) / kTestRate;
    for (const Tool& tool : kTools) {
        if (!only.empty() && only != tool.name) continue;
        const std::string songOut = folder + "/song_out.wav", toneOut = folder + "/tone_out.wav";
        const double seconds = Transpose(tool, semitones, songPath, songOut);
        StereoSound shifted, tone;
        if (seconds < 0 || Transpose(tool, semitones, tonePath, toneOut) < 0 ||
            !ReadWav(songOut, shifted) || !ReadWav(toneOut, tone)) {
            std::printf("%+3d  %-14s  failed (is it installed?)\n", semitones, tool.name);
            continue;
        }
        // The loudness curves find the lag to within a few milliseconds; the
        // distance is then taken at its lowest within kRefineLag of it.
        const int roughLag = BestLag(shifted, ideal, kMaxLag);
        int lag = roughLag;
        double lsd = LogSpectralDistance(shifted, lag, ideal);
        for (int near = roughLag - kRefineLag; near <= roughLag + kRefineLag; near += kRefineStep) {
            const double distance = LogSpectralDistance(shifted, near, ideal);
            if (distance < lsd) lsd = distance, lag = near;
        }
        const double hz = ToneHz(tone.left, kTestRate, static_cast<int>(5.0 * kTestRate));
        const double cents = 1200.0 * std::log2(hz / (440.0 * factor));
        const double durationMs =
            1000.0 * (static_cast<double>(shifted.left.size()) - song.left.size()) / kTestRate;
        std::printf("%+3d  %-14s  %7.2f  %7.1f  %+7.3f  %+7.1f  %9.1f\n", semitones, tool.name, lsd,
                    1000.0 * lag / kTestRate, cents, durationMs, songSeconds / seconds);
    }
}

}  // namespace
}  // namespace lomvex

int main(int argc, char** argv) {
    const std::string folder = argc > 1 ? argv[1] : "/tmp/lomvex_pitch_bench";
    const std::string only = argc > 2 ? argv[2] : "";
    if (std::system(("mkdir -p '" + folder + "'").c_str()) != 0) return 1;
    std::printf("  k  program          lsd_db   lag_ms    cents   dur_ms  x_realtime\n");
    for (int semitones : {-5, -2, 2, 5}) lomvex::CompareAt(semitones, folder, only);
    return 0;
}
