// File name rules of the shell: the case-blind search, the proposed save
// name, the file title and window title, the help file path and the Open
// dialog's filters and titles.
//
// Names are ANSI byte strings. Where a double-byte code page is in use, the
// byte after a lead byte is a trail byte and may be 0x5C, the backslash
// ("表" is 95 5C); such a byte never separates, escapes or matches a single
// character. The caller says which bytes are lead bytes: the program asks
// the system (IsDBCSLeadByte), tests use the Shift-JIS ranges.
#pragma once

#include <cstddef>
#include <string>

namespace lomvex {

using LeadByteTest = bool (*)(unsigned char byte);

// Shift-JIS (code page 932) lead bytes: 0x81-0x9F and 0xE0-0xFC.
bool IsShiftJisLeadByte(unsigned char byte);
// A single-byte code page: no lead bytes.
bool NoLeadBytes(unsigned char byte);

// The path buffers hold 259 characters and the NUL; the title buffer 255.
constexpr std::size_t kPathBufferSize = 260;
constexpr std::size_t kTitleBufferSize = 256;

// The first occurrence of `pattern` in `text` that starts on a character
// boundary, comparing single-byte letters A-Z without regard to case and
// double-byte characters byte for byte (a lead byte only matches a lead
// byte); std::string::npos when there is none.
std::size_t FindNoCase(const std::string& text, const std::string& pattern,
                       LeadByteTest isLeadByte = IsShiftJisLeadByte);

// The name the Save dialog proposes. From Windows 4.0 on: the current path
// with its first ".WAV" (any case) and all after it replaced by "_MO.WAV",
// or with "_MO.WAV" appended. On older versions: the file title itself if
// it contains ".WAV", else with its last "." and all after it replaced by
// ".WAV", or with ".WAV" appended. A proposal that would not fit the
// 260-byte path buffer is empty: the dialog then starts without a name
// rather than with a cut one.
std::string DefaultSaveName(const std::string& currentPath, const std::string& currentTitle,
                            unsigned windowsVersion, LeadByteTest isLeadByte = IsShiftJisLeadByte);

// The file title of a path: what follows its last "\", "/" or ":" (a trail
// byte never counts), or the whole path. Cut to 255 bytes, on a character
// boundary, to fit the title buffer.
std::string FileTitle(const std::string& path, LeadByteTest isLeadByte = IsShiftJisLeadByte);

// The main window's title: "Lomvex" for an empty file title, else
// "%s - Lomvex" on a new-style shell and "Lomvex - %s" on older shells.
std::string WindowTitleText(const std::string& fileTitle, bool newStyleShell);

// The help document. From Windows 4.0 on: the program's module path with its
// first ".EXE" (exact case) and all after it replaced by ".HTM", or
// "lomvex.HTM" when the path has no ".EXE"; before 4.0 "lomvex.htm".
std::string HelpFilePath(const std::string& modulePath, unsigned windowsVersion);

// The Open dialog's filter list, double-NUL-terminated: the sound types the
// output device can play (WAV always; MP3 and RMP when MPEG Layer-3 is
// playable; OGG when Ogg Vorbis is), then all files.
const char* OpenFilter(bool mp3Playable, bool oggPlayable, bool japanese);
// The Save dialog's filter list: WAV and all files.
const char* SaveFilter(bool japanese);

const char* OpenDialogTitle(bool japanese);  // "Play Open"
const char* SaveDialogTitle(bool japanese);  // "Save"

}  // namespace lomvex
