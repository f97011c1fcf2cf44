// The benchmark's markdown output: one row per song and method, the means
// per method, and one line per goal of Lomvex's voice removal.
#pragma once

#include <string>
#include <vector>

namespace lomvex::vbench {

// The measures of one method on one song.
struct Score {
    std::string song;
    std::string method;
    double siSdr = 0;        // dB
    double voiceLeft = 0;    // dB relative to the voice
    double lowBandDiff = 0;  // dB, output's 30-150 Hz over the truth's
    double correlation = 0;  // of the output's channels
    double truthCorrelation = 0;
    double realTime = 0;  // multiples of real time
};

void PrintScores(const std::vector<Score>& scores);
void PrintMeans(const std::vector<Score>& scores, const std::vector<std::string>& methods);

// Goals of the method named `lomvex`; `peers` are the blind methods it must
// beat by 3 dB on every song; its speed is also given as a ratio to the last
// peer's.
void PrintGoals(const std::vector<Score>& scores, const std::string& lomvex,
                const std::vector<std::string>& peers);

}  // namespace lomvex::vbench
