// Prints the scores as markdown tables and checks the goals against them.
#include "report.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

namespace lomvex::vbench {
namespace {

std::vector<Score> Of(const std::vector<Score>& scores, const std::string& method) {
    std::vector<Score> picked;
    for (const Score& s : scores) {
        if (s.method == method) picked.push_back(s);
    }
    return picked;
}

void Goal(const char* text, bool met, const char* distanceFormat, double distance) {
    std::printf("- %s: %s (", text, met ? "MET" : "NOT MET");
    std::printf(distanceFormat, distance);
    std::printf(")\n");
}

}  // namespace

void PrintScores(const std::vector<Score>& scores) {
    std::printf(
        "| song | method | SI-SDR dB | voice left dB | 30-150 Hz diff dB | corr out | corr truth "
        "| x real time |\n|---|---|---|---|---|---|---|---|\n");
    for (const Score& s : scores) {
        std::printf("| %s | %s | %.2f | %.1f | %+.2f | %.3f | %.3f | %.1f |\n", s.song.c_str(),
                    s.method.c_str(), s.siSdr, s.voiceLeft, s.lowBandDiff, s.correlation,
                    s.truthCorrelation, s.realTime);
    }
}

void PrintMeans(const std::vector<Score>& scores, const std::vector<std::string>& methods) {
    std::printf(
        "\n| method | mean SI-SDR dB | worst SI-SDR dB | mean voice left dB | mean 30-150 Hz diff "
        "dB | mean corr out | mean corr truth | mean x real time |\n"
        "|---|---|---|---|---|---|---|---|\n");
    for (const std::string& method : methods) {
        const std::vector<Score> rows = Of(scores, method);
        Score mean;
        double worst = std::numeric_limits<double>::infinity();
        for (const Score& s : rows) {
            mean.siSdr += s.siSdr / rows.size();
            mean.voiceLeft += s.voiceLeft / rows.size();
            mean.lowBandDiff += s.lowBandDiff / rows.size();
            mean.correlation += s.correlation / rows.size();
            mean.truthCorrelation += s.truthCorrelation / rows.size();
            mean.realTime += s.realTime / rows.size();
            worst = std::min(worst, s.siSdr);
        }
        std::printf("| %s | %.2f | %.2f | %.1f | %+.2f | %.3f | %.3f | %.1f |\n", method.c_str(),
                    mean.siSdr, worst, mean.voiceLeft, mean.lowBandDiff, mean.correlation,
                    mean.truthCorrelation, mean.realTime);
    }
}

void PrintGoals(const std::vector<Score>& scores, const std::string& lomvex,
                const std::vector<std::string>& peers) {
    const std::vector<Score> rows = Of(scores, lomvex);
    if (rows.empty()) return;
    double mean = 0, worst = 1e9, margin = 1e9, voice = -1e9, low = 0, corr = 0, speed = 1e9;
    for (const Score& s : rows) {
        mean += s.siSdr / rows.size();
        worst = std::min(worst, s.siSdr);
        double bestPeer = -1e9;
        for (const std::string& peer : peers) {
            for (const Score& p : Of(scores, peer)) {
                if (p.song == s.song) bestPeer = std::max(bestPeer, p.siSdr);
            }
        }
        margin = std::min(margin, s.siSdr - bestPeer);
        voice = std::max(voice, s.voiceLeft);
        low = std::max(low, std::abs(s.lowBandDiff));
        corr = std::max(corr, std::abs(s.correlation - s.truthCorrelation));
        speed = std::min(speed, s.realTime);
    }
    std::printf("\nGoals of %s (worst song unless said otherwise):\n", lomvex.c_str());
    Goal("mean SI-SDR >= 10 dB", mean >= 10, "%+.2f dB", mean - 10);
    Goal("SI-SDR >= 8 dB on every song", worst >= 8, "%+.2f dB", worst - 8);
    Goal("SI-SDR >= 3 dB above the better peer on every song", margin >= 3, "%+.2f dB", margin - 3);
    Goal("voice left <= -20 dB", voice <= -20, "%+.1f dB", -20 - voice);
    Goal("30-150 Hz within 1.5 dB of the truth", low <= 1.5, "%+.2f dB", 1.5 - low);
    Goal("correlation within 0.2 of the truth's", corr <= 0.2, "%+.3f", 0.2 - corr);
    Goal(">= 30x real time (slowest song)", speed >= 30, "%.2f of the goal", speed / 30);
    double peerSpeed = 0;
    for (const Score& s : Of(scores, peers.back())) peerSpeed += s.realTime / rows.size();
    double ownSpeed = 0;
    for (const Score& s : rows) ownSpeed += s.realTime / rows.size();
    std::printf("  (speed beside %s, run side by side on the same songs: %.3f times its speed)\n",
                peers.back().c_str(), ownSpeed / peerSpeed);
}

}  // namespace lomvex::vbench
