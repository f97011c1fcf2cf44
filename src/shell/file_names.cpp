// File name rules: search, proposed save name, titles, help path, filters.
#include "shell/file_names.h"

#include "shell/shell_texts.h"

namespace lomvex {
namespace {

constexpr char kProductName[] = "Lomvex";

// Indexed by (MPEG Layer-3 playable ? 2 : 0) + (Ogg Vorbis playable ? 1 : 0);
// each literal's own NUL makes the list's closing double NUL.
const char* const kEnglishOpenFilters[4] = {
    "Sound(*.WAV)\0*.WAV\0All files (*.*)\0*.*\0",
    "Sound(*.WAV;*.OGG)\0*.WAV;*.OGG\0All files (*.*)\0*.*\0",
    "Sound(*.WAV;*.MP3;*.RMP)\0*.WAV;*.MP3;*.RMP\0All files (*.*)\0*.*\0",
    "Sound(*.WAV;*.MP3;*.RMP;*.OGG)\0*.WAV;*.MP3;*.RMP;*.OGG\0All files (*.*)\0*.*\0",
};

unsigned char Byte(char c) {
    return static_cast<unsigned char>(c);
}

char UpperAscii(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

// Length in bytes of the character at `at`: 2 for a lead byte with a byte
// after it, else 1.
std::size_t CharLength(const std::string& text, std::size_t at, LeadByteTest isLeadByte) {
    return (isLeadByte(Byte(text[at])) && at + 1 < text.size()) ? 2 : 1;
}

bool MatchesAt(const std::string& text, std::size_t at, const std::string& pattern,
               LeadByteTest isLeadByte) {
    std::size_t t = at, p = 0;
    while (p < pattern.size()) {
        if (t >= text.size()) return false;
        std::size_t textLength = CharLength(text, t, isLeadByte);
        std::size_t patternLength = CharLength(pattern, p, isLeadByte);
        if (textLength != patternLength) return false;
        if (textLength == 2) {
            if (text.compare(t, 2, pattern, p, 2) != 0) return false;
        } else if (UpperAscii(text[t]) != UpperAscii(pattern[p])) {
            return false;
        }
        t += textLength;
        p += patternLength;
    }
    return true;
}

bool IsPathSeparator(char c) {
    return c == '\\' || c == '/' || c == ':';
}

}  // namespace

bool IsShiftJisLeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

bool NoLeadBytes(unsigned char) {
    return false;
}

std::size_t FindNoCase(const std::string& text, const std::string& pattern,
                       LeadByteTest isLeadByte) {
    for (std::size_t at = 0; at < text.size(); at += CharLength(text, at, isLeadByte))
        if (MatchesAt(text, at, pattern, isLeadByte)) return at;
    return pattern.empty() ? 0 : std::string::npos;
}

std::string DefaultSaveName(const std::string& currentPath, const std::string& currentTitle,
                            unsigned windowsVersion, LeadByteTest isLeadByte) {
    std::string name;
    if (windowsVersion >= 0x0400) {
        std::size_t wav = FindNoCase(currentPath, ".WAV", isLeadByte);
        name = currentPath.substr(0, wav) + "_MO.WAV";
    } else if (FindNoCase(currentTitle, ".WAV", isLeadByte) != std::string::npos) {
        name = currentTitle;
    } else {
        // "." is never a trail byte, so the last one is a real dot.
        std::size_t dot = currentTitle.rfind('.');
        name = currentTitle.substr(0, dot) + ".WAV";
    }
    return name.size() < kPathBufferSize ? name : std::string();
}

std::string FileTitle(const std::string& path, LeadByteTest isLeadByte) {
    std::size_t titleStart = 0;
    for (std::size_t at = 0; at < path.size();) {
        std::size_t length = CharLength(path, at, isLeadByte);
        if (length == 1 && IsPathSeparator(path[at])) titleStart = at + 1;
        at += length;
    }
    std::size_t titleEnd = titleStart;
    while (titleEnd < path.size()) {
        std::size_t length = CharLength(path, titleEnd, isLeadByte);
        if (titleEnd + length - titleStart > kTitleBufferSize - 1) break;
        titleEnd += length;
    }
    return path.substr(titleStart, titleEnd - titleStart);
}

std::string WindowTitleText(const std::string& fileTitle, bool newStyleShell) {
    if (fileTitle.empty()) return kProductName;
    if (newStyleShell) return fileTitle + " - " + kProductName;
    return std::string(kProductName) + " - " + fileTitle;
}

std::string HelpFilePath(const std::string& modulePath, unsigned windowsVersion) {
    if (windowsVersion < 0x0400) return "lomvex.htm";
    std::size_t exe = modulePath.find(".EXE");
    if (exe == std::string::npos) return "lomvex.HTM";
    return modulePath.substr(0, exe) + ".HTM";
}

const char* OpenFilter(bool mp3Playable, bool oggPlayable, bool japanese) {
    int index = (mp3Playable ? 2 : 0) + (oggPlayable ? 1 : 0);
    return japanese ? ja::kOpenFilters[index] : kEnglishOpenFilters[index];
}

const char* SaveFilter(bool japanese) {
    return OpenFilter(false, false, japanese);
}

const char* OpenDialogTitle(bool japanese) {
    return japanese ? ja::kOpenTitle : "Play Open";
}

const char* SaveDialogTitle(bool japanese) {
    return japanese ? ja::kSaveTitle : "Save";
}

}  // namespace lomvex
