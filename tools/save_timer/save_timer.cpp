// Times one save of the real lomvex.exe, for scripts/bench.sh: starts the
// program on a song with chosen settings in a fresh profile folder, selects
// "L-R(minusOne)", saves through the Save dialog and waits until the saved
// file is complete (its RIFF size matches its length, written as the save
// closes the file). Prints the seconds from the start of the save (Play is
// disabled) to that moment, the data bytes saved, and the seconds the Save
// dialog took to close after its OK. The last are not the program's: under
// Wine on a display without a window manager, hiding a window waits for the
// manager's answer for two seconds before it gives up.
//
// Usage: lomvex_save_timer SONG.wav OUTPUT.wav [key=value ...]
// (Windows paths; each key=value goes into the settings file.)
// With /play:SECONDS in place of OUTPUT.wav it plays the song with
// "L-R(minusOne)" for that long instead, prints "playing" once Play took,
// and closes the program: bench.sh measures its share of a core meanwhile.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

#include "e2e_driver/driver.h"
#include "resources/ids.h"

namespace {

using lomvex::e2e::LomvexProcess;

constexpr DWORD kSaveLimitMs = 600000;
// Each look at the file is a few calls into the Wine server, which the save
// uses too; every 10 ms costs it little and times a save of seconds to 1 %.
constexpr DWORD kPollMs = 10;

// A profile folder whose settings file holds the key=value arguments; the
// level warning is off, so no box waits at the end of the save.
std::string ProfileWith(int argc, char** argv) {
    std::map<std::string, std::string> keys = {{"levelwarning", "0"}};
    for (int i = 3; i < argc; ++i) {
        std::string pair = argv[i];
        size_t equals = pair.find('=');
        if (equals != std::string::npos) keys[pair.substr(0, equals)] = pair.substr(equals + 1);
    }
    std::string folder = lomvex::e2e::MakeTempFolder("bench");
    std::string ini = folder + "\\lomvex.INI";
    for (const auto& [key, value] : keys)
        WritePrivateProfileStringA("lomvex", key.c_str(), value.c_str(), ini.c_str());
    return folder;
}

// The data bytes of a complete WAV file written by the program (RIFF size
// equal to the file's length less 8, a 46-byte header), or -1 while it is
// still being written.
long long CompleteDataBytes(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return -1;
    unsigned char header[8] = {};
    DWORD read = 0;
    LARGE_INTEGER size = {};
    bool ok = ReadFile(file, header, sizeof header, &read, nullptr) && read == sizeof header &&
              GetFileSizeEx(file, &size);
    CloseHandle(file);
    if (!ok || size.QuadPart < 46) return -1;
    unsigned long riff =
        header[4] | header[5] << 8 | header[6] << 16 | static_cast<unsigned long>(header[7]) << 24;
    if (riff != size.QuadPart - 8) return -1;
    return size.QuadPart - 46;
}

double Seconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) / frequency.QuadPart;
}

// Plays for `seconds`, then closes the program; 0 when it played and ended
// cleanly.
int PlayFor(LomvexProcess& program, int seconds) {
    program.PostCommand(IDM_PLAY);
    if (!lomvex::e2e::WaitUntil([&] { return program.IsEnabled(IDM_STOP); })) {
        std::fprintf(stderr, "Play did not start\n");
        return 1;
    }
    std::printf("playing\n");
    std::fflush(stdout);
    Sleep(static_cast<DWORD>(seconds) * 1000);
    program.Close();
    return program.WaitForExit() == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: lomvex_save_timer SONG.wav OUTPUT.wav [key=value ...]\n");
        return 2;
    }
    const std::string song = argv[1], output = argv[2];
    LomvexProcess program;
    if (!program.Start("\"" + song + "\"", ProfileWith(argc, argv)) || !program.MainWindow() ||
        !lomvex::e2e::WaitUntil([&] { return program.IsEnabled(IDM_PLAY); })) {
        std::fprintf(stderr, "lomvex.exe did not start on %s\n", song.c_str());
        return 1;
    }
    program.PostCommand(IDC_CHANNEL_MINUS_ONE);
    if (output.rfind("/play:", 0) == 0) return PlayFor(program, std::atoi(output.c_str() + 6));
    DeleteFileA(output.c_str());
    program.PostCommand(IDM_SAVE);
    if (!program.AnswerFileDialog("Save", output)) {
        std::fprintf(stderr, "no Save dialog\n");
        return 1;
    }
    LARGE_INTEGER ok, start, now;
    QueryPerformanceCounter(&ok);
    // The save starts when the dialog has gone: Play is disabled then.
    do {
        Sleep(1);
        QueryPerformanceCounter(&start);
    } while (program.IsEnabled(IDM_PLAY) && Seconds(ok, start) * 1000 < kSaveLimitMs);
    long long bytes = -1;
    do {
        Sleep(kPollMs);
        bytes = CompleteDataBytes(output);
        QueryPerformanceCounter(&now);
    } while (bytes < 0 && Seconds(start, now) * 1000 < kSaveLimitMs);
    if (bytes < 0) {
        std::fprintf(stderr, "the save did not finish\n");
        return 1;
    }
    std::printf("%.3f seconds, %lld data bytes; the dialog took %.3f seconds to close\n",
                Seconds(start, now), bytes, Seconds(ok, start));
    lomvex::e2e::WaitUntil([&] { return program.IsEnabled(IDM_PLAY); });
    program.Close();
    return program.WaitForExit() == 0 ? 0 : 1;
}
