// The settings file through the platform's private-profile functions.
#pragma once

#include "shell/settings.h"

namespace lomvex {

class PrivateProfileStore : public ProfileStore {
   public:
    std::string Get(const char* key, const char* defaultText) override;
    void Put(const char* key, const std::string& value) override;
};

// The settings file path: USERPROFILE\lomvex.INI, or the bare name when
// USERPROFILE is unset or empty (the profile functions then use the
// Windows directory). Computed again at every read and write.
std::string GetSettingsPath();

}  // namespace lomvex
