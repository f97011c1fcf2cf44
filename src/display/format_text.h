// printf-style formatting of the display texts into a std::string.
#pragma once

#include <cstdio>
#include <string>

namespace lomvex {

// Formats into a 128-byte buffer: every display text is far shorter.
template <typename... Args>
std::string FormatText(const char* format, Args... args) {
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, format, args...);
    return buffer;
}

}  // namespace lomvex
