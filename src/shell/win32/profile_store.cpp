// Private-profile access for the settings.
#include "shell/win32/profile_store.h"

#include <windows.h>

#include <cstring>

namespace lomvex {

std::string GetSettingsPath() {
    char profile[MAX_PATH];
    DWORD length = GetEnvironmentVariableA("USERPROFILE", profile, sizeof profile);
    // Unset or empty: the bare name. Too long for a path: the same, rather
    // than a cut-off directory.
    if (length == 0 || length + 1 + strlen(kSettingsFileName) >= sizeof profile)
        return SettingsPath(nullptr);
    return SettingsPath(profile);
}

std::string PrivateProfileStore::Get(const char* key, const char* defaultText) {
    char value[32];
    std::string path = GetSettingsPath();
    GetPrivateProfileStringA(kSettingsSection, key, defaultText, value, sizeof value,
                             path.c_str());
    return value;
}

void PrivateProfileStore::Put(const char* key, const std::string& value) {
    std::string path = GetSettingsPath();
    WritePrivateProfileStringA(kSettingsSection, key, value.c_str(), path.c_str());
}

}  // namespace lomvex
