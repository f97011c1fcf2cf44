// The settings values: what the private profile file keeps, under the
// key names of that file. Read once at start and written once at exit by
// the shell; every subsystem reads them.
#pragma once

#include <cstdint>

namespace lomvex {

constexpr int kBarCount = 20;
// Bar positions are negated gains: the top, -12, is +12 dB.
constexpr int kBarPositionMin = -12;
constexpr int kBarPositionMax = 72;
constexpr int kFftModeGraphic = 152;
constexpr int kFftModeParametric = 153;
constexpr int kFftModeEasy = 154;
// The tempo's range in percent of the song's own tempo.
constexpr int kTempoMin = 50;
constexpr int kTempoMax = 200;

struct Settings {
    int smooth = 0;
    int monochrome = 0;
    int PeakHold = 1;
    uint32_t deltatime = 4096;
    int dialog3d = 1;
    int display = 1;
    int16_t bits = 16;
    int16_t channel = 2;
    uint32_t freq = 44100;
    int fftparam = 8;
    int mado = 0;
    int fftmode = kFftModeGraphic;
    int eq[kBarCount] = {};  // bar scroll positions: the negated gains in dB
    int useclip = 0;
    int levelwarning = 1;
    int keeptempo = 0;  // the playing rate transposes and keeps the tempo (0/1)
    int voicecut = 0;   // "L-R(minusOne)": 0 classic (mono), 1 keep stereo
    int tempo = 100;    // percent of the song's own tempo, 50..200
};

}  // namespace lomvex
