// User settings: the values kept in the private profile file, read once at
// start and written once at exit.
//
// The conversions and the order of reading and writing live here; a
// ProfileStore does the actual file access (the program's uses the
// private-profile API, tests keep a map).
#pragma once

#include <cstdint>
#include <string>

#include "base/settings_values.h"

namespace lomvex {

class ProfileStore {
   public:
    virtual ~ProfileStore() = default;
    // The value of `key`, or `defaultText` when the key is missing; values
    // longer than 31 characters are cut as the 32-byte read buffer does.
    virtual std::string Get(const char* key, const char* defaultText) = 0;
    virtual void Put(const char* key, const std::string& value) = 0;
};

constexpr const char* kSettingsSection = "lomvex";
constexpr const char* kSettingsFileName = "lomvex.INI";

// The settings file path for a USERPROFILE value (null when unset).
std::string SettingsPath(const char* userProfile);

// The C-library conversions the settings file uses.
int AtoiValue(const std::string& text);
uint32_t UnsignedValue(const std::string& text);
int16_t Short16Value(const std::string& text);

// Reads every key in file order. Values that later code cannot take fall
// back to their defaults; bar positions are taken unchecked.
Settings ReadSettings(ProfileStore& store, bool newStyleShell);
// Writes every key in the program's write order; `dialog3d` only on a
// new-style shell.
void WriteSettings(const Settings& settings, ProfileStore& store, bool newStyleShell);

// The eight one-time lengths the Options dialog offers.
bool IsOfferedDeltatime(uint32_t value);

}  // namespace lomvex
