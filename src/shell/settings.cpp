// Settings conversions, defaults and the read and write order.
#include "shell/settings.h"

#include <cstdint>
#include <cstdlib>

namespace lomvex {
namespace {

std::string Decimal(long long value) { return std::to_string(value); }

bool InRange(int value, int low, int high) { return value >= low && value <= high; }

// The tempo only from a whole decimal number: "75x" or "" is no tempo, and
// neither is anything outside the range.
int TempoValue(const std::string& text) {
    const char* begin = text.c_str();
    char* end = nullptr;
    long long value = std::strtoll(begin, &end, 10);
    while (end != begin && (*end == ' ' || *end == '\t')) ++end;
    if (end == begin || *end != '\0' || value < kTempoMin || value > kTempoMax)
        return Settings().tempo;
    return static_cast<int>(value);
}

}  // namespace

std::string SettingsPath(const char* userProfile) {
    if (userProfile == nullptr || *userProfile == '\0') return kSettingsFileName;
    return std::string(userProfile) + "\\" + kSettingsFileName;
}

int AtoiValue(const std::string& text) {
    // atoi's overflow is undefined; clamp instead, symmetrically so that the
    // bar positions can always be negated.
    long long value = std::strtoll(text.c_str(), nullptr, 10);
    if (value > INT32_MAX) return INT32_MAX;
    if (value < -INT32_MAX) return -INT32_MAX;
    return static_cast<int>(value);
}

uint32_t UnsignedValue(const std::string& text) {
    return static_cast<uint32_t>(std::strtoul(text.c_str(), nullptr, 10));
}

int16_t Short16Value(const std::string& text) {
    return static_cast<int16_t>(std::strtol(text.c_str(), nullptr, 10));
}

bool IsOfferedDeltatime(uint32_t value) {
    for (uint32_t offered = 256; offered <= 32768; offered *= 2)
        if (value == offered) return true;
    return false;
}

Settings ReadSettings(ProfileStore& store, bool newStyleShell) {
    const Settings defaults;
    Settings s;
    s.smooth = AtoiValue(store.Get("smooth", "0"));
    s.monochrome = AtoiValue(store.Get("monochrome", "0"));
    s.PeakHold = AtoiValue(store.Get("PeakHold", "1"));
    if (!InRange(s.PeakHold, 0, 2)) s.PeakHold = defaults.PeakHold;
    s.deltatime = UnsignedValue(store.Get("deltatime", "4096"));
    if (!IsOfferedDeltatime(s.deltatime)) s.deltatime = defaults.deltatime;
    if (newStyleShell) s.dialog3d = AtoiValue(store.Get("dialog3d", "1"));
    s.display = AtoiValue(store.Get("display", "1"));
    s.bits = Short16Value(store.Get("bits", "16"));
    if (s.bits != 8 && s.bits != 16) s.bits = defaults.bits;
    s.channel = Short16Value(store.Get("channel", "2"));
    if (s.channel != 1 && s.channel != 2) s.channel = defaults.channel;
    s.freq = UnsignedValue(store.Get("freq", "44100"));
    if (s.freq == 0) s.freq = defaults.freq;
    s.fftparam = AtoiValue(store.Get("fftparam", "8"));
    if (!InRange(s.fftparam, 8, 16)) s.fftparam = defaults.fftparam;
    s.mado = AtoiValue(store.Get("mado", "0"));
    if (!InRange(s.mado, 0, 2)) s.mado = defaults.mado;
    s.fftmode = AtoiValue(store.Get("fftmode", "0"));
    if (s.fftmode == 0) s.fftmode = kFftModeGraphic;
    if (!InRange(s.fftmode, kFftModeGraphic, kFftModeEasy)) s.fftmode = defaults.fftmode;
    for (int i = 0; i < kBarCount; ++i) {
        std::string key = "eq" + std::to_string(i);
        s.eq[i] = -AtoiValue(store.Get(key.c_str(), "0"));
    }
    s.useclip = AtoiValue(store.Get("useclip", "0"));
    s.levelwarning = AtoiValue(store.Get("levelwarning", "1"));
    s.keeptempo = AtoiValue(store.Get("keeptempo", "0")) == 1 ? 1 : 0;
    s.voicecut = AtoiValue(store.Get("voicecut", "0")) == 1 ? 1 : 0;
    s.tempo = TempoValue(store.Get("tempo", "100"));
    return s;
}

void WriteSettings(const Settings& s, ProfileStore& store, bool newStyleShell) {
    store.Put("levelwarning", Decimal(s.levelwarning));
    store.Put("useclip", Decimal(s.useclip));
    for (int i = 0; i < kBarCount; ++i) {
        std::string key = "eq" + std::to_string(i);
        store.Put(key.c_str(), Decimal(-static_cast<long long>(s.eq[i])));
    }
    store.Put("smooth", Decimal(s.smooth));
    store.Put("monochrome", Decimal(s.monochrome));
    store.Put("PeakHold", Decimal(s.PeakHold));
    store.Put("deltatime", std::to_string(s.deltatime));
    if (newStyleShell) store.Put("dialog3d", Decimal(s.dialog3d));
    store.Put("display", Decimal(s.display));
    store.Put("bits", Decimal(s.bits));
    store.Put("channel", Decimal(s.channel));
    store.Put("freq", std::to_string(s.freq));
    store.Put("fftparam", Decimal(s.fftparam));
    store.Put("mado", Decimal(s.mado));
    store.Put("fftmode", Decimal(s.fftmode));
    store.Put("keeptempo", Decimal(s.keeptempo));
    store.Put("voicecut", Decimal(s.voicecut));
    store.Put("tempo", Decimal(s.tempo));
}

}  // namespace lomvex
