// The save loop and the WAV writer.
#include "engine/win32/save_output.h"

#include <windows.h>
#include <mmsystem.h>

#include <memory>
#include <vector>

#include "audiofile/format_record.h"
#include "audiofile/format_state.h"
#include "audiofile/win32/play_file_binding.h"
#include "audiofile/win32/sound_decoder.h"
#include "base/messages.h"
#include "base/program_state.h"
#include "base/run_state.h"
#include "base/win32/window_dc.h"
#include "display/win32/run_display.h"
#include "dsp/control_state.h"
#include "dsp/frame_display.h"
#include "engine/engine_texts.h"
#include "engine/saved_format.h"
#include "engine/update_pacer.h"
#include "engine/buffer_sizes.h"
#include "engine/win32/engine_host.h"
#include "engine/win32/engine_state.h"
#include "engine/win32/processing.h"
#include "engine/win32/run_lifecycle.h"
#include "resources/ids.h"

namespace lomvex {
namespace {

struct SaveState {
    HMMIO output = nullptr;
    std::string path;
    MMCKINFO riff = {};
    MMCKINFO data = {};
    bool cancel = false;
    // The end of what is known to be on disk; after a failed write the file
    // is cut back to it, so it stays a valid, shorter WAV file.
    LONG writtenEnd = 0;
    bool writeFailed = false;
    bool stopped = false;  // by Stop, or by the window closing
    SaveResult result;
    std::unique_ptr<WindowDc> dc;
};

SaveState save;

// The same file, by the platform's own judgement of the two names.
bool IsSameFile(const std::string& a, const std::string& b) {
    char fullA[MAX_PATH], fullB[MAX_PATH];
    if (!GetFullPathNameA(a.c_str(), MAX_PATH, fullA, nullptr)) return false;
    if (!GetFullPathNameA(b.c_str(), MAX_PATH, fullB, nullptr)) return false;
    if (lstrcmpiA(fullA, fullB) == 0) return true;
    char shortA[MAX_PATH], shortB[MAX_PATH];
    return GetShortPathNameA(fullA, shortA, MAX_PATH) &&
           GetShortPathNameA(fullB, shortB, MAX_PATH) && lstrcmpiA(shortA, shortB) == 0;
}

void CloseOutput() {
    mmioClose(save.output, 0);
    save.output = nullptr;
}

// Creates the file, its RIFF chunk and its 18-byte "fmt " chunk.
bool CreateOutput(const std::string& path) {
    std::vector<char> name(path.begin(), path.end());
    name.push_back('\0');
    // Unbuffered: each write then reports the count that reached the file,
    // which is how a full disk shows.
    save.output = mmioOpenA(name.data(), nullptr, MMIO_CREATE | MMIO_WRITE);
    if (save.output == nullptr) {
        ShowUserMessage(IDS_CANT_OPEN_FILE, ja::kCantOpenWriteFile);
        return false;
    }
    save.result.fileCreated = true;
    save.riff = {};
    save.riff.fccType = mmioFOURCC('W', 'A', 'V', 'E');
    if (mmioCreateChunk(save.output, &save.riff, MMIO_CREATERIFF) != MMSYSERR_NOERROR) {
        ShowUserMessage(IDS_CANT_CREATE_RIFF, ja::kCantCreateRiff);
        CloseOutput();
        return false;
    }
    MMCKINFO fmt = {};
    fmt.ckid = mmioFOURCC('f', 'm', 't', ' ');
    fmt.cksize = 16;
    if (mmioCreateChunk(save.output, &fmt, 0) != MMSYSERR_NOERROR) {
        ShowUserMessage(IDS_CANT_CREATE_FMT, ja::kCantCreateFmt);
        CloseOutput();
        return false;
    }
    const uint8_t* sound = IsDecoding() ? DecodedFormat() : fileFormat.Data();
    const int operation = RunChannelOperation();
    SavedFormatBytes bytes = SavedFormat(
        ReadFormatFields(sound), operation == kChannelMonaural || operation == kChannelMinusOne);
    mmioWrite(save.output, reinterpret_cast<const char*>(bytes.data()), bytes.size());
    save.result.bytesPerSecond = ReadFormatFields(bytes.data()).avgBytesPerSec;
    mmioAscend(save.output, &fmt, 0);
    save.data = {};
    save.data.ckid = mmioFOURCC('d', 'a', 't', 'a');
    if (mmioCreateChunk(save.output, &save.data, 0) != MMSYSERR_NOERROR) {
        ShowUserMessage(IDS_CANT_CREATE_DATA, ja::kCantCreateData);
        CloseOutput();
        return false;
    }
    save.path = path;
    save.writeFailed = false;
    save.writtenEnd = mmioSeek(save.output, 0, SEEK_CUR);
    return true;
}

// The next amount of source data: a one-time length, or what remains, which
// marks the end of the data. Counts it as done.
uint32_t TakeNextReadLength() {
    uint32_t n = TempoReadLength(run.oneTimeLength, run.blockAlign, RunTempo());
    if (n >= playFile.remaining) {
        n = playFile.remaining;
        engine.endOfData = true;
    }
    run.bytesPlayed += n;
    playFile.remaining -= n;
    return n;
}

// The elapsed time as the status panel shows it while a device plays.
void ShowElapsedTime() {
    run.playing = true;
    DrawElapsedText(save.dc->get());
    run.playing = false;
}

// Reads, decodes and processes `n` source bytes into wave buffer 0, drawing
// into the graph area when `shown`; returns the bytes to write.
uint32_t ReadAndProcess(uint32_t n, bool shown) {
    // A "data" chunk longer than the file ends in a short read: only what
    // was read is processed, never stale buffer contents, and it ends the data.
    uint8_t* target = IsDecoding() ? engine.buffer[0] : engine.buffer[kStagingBuffer];
    uint32_t read = static_cast<uint32_t>(playFile.file->Read(target, n));
    if (read < n) {
        engine.endOfData = true;
        playFile.remaining = 0;
    }
    if (IsDecoding())
        n = read ? DecodeBuffer(engine.buffer[0], read) : 0;
    else
        n = read - read % (formatState.blockAlign ? formatState.blockAlign : 1);
    NullFrameDisplay hidden;
    return ProcessBuffer(shown ? GraphDisplay(save.dc->get()) : hidden, PlayRoles(0), n,
                         engine.endOfData);
}

bool WriteOutput(uint32_t n) {
    bool written = mmioWrite(save.output, reinterpret_cast<const char*>(engine.buffer[0]), n) ==
                   static_cast<LONG>(n);
    if (written)
        save.writtenEnd = mmioSeek(save.output, 0, SEEK_CUR);
    else
        save.writeFailed = true;
    return written;
}

// After a failed write: drops the part of the failed buffer that did reach
// the disk, so the file ends on whole buffers.
void CutToWrittenEnd() {
    HANDLE file = CreateFileA(save.path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    SetFilePointer(file, save.writtenEnd, nullptr, FILE_BEGIN);
    SetEndOfFile(file);
    CloseHandle(file);
}

// Pumps the window's messages. A quit message (the window was closed, which
// has finished the save) is posted again for the main loop, so the program
// ends the ordinary way and keeps its settings; returns false then.
bool PumpMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return false;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return true;
}

// Writes `n` bytes of wave buffer 0 and meters them, drawing the progress
// when `shown`; false after the disk-full message.
bool WriteProcessed(uint32_t n, bool shown) {
    if (n > 0 && !WriteOutput(n)) {
        ShowElapsedTime();
        ShowMessageBox({kDiskFullText, "", BoxIcon::Exclamation, BoxOwner::MainWindow});
        return false;
    }
    if (shown) ShowElapsedTime();
    if (n > 0) DrawLevels(save.dc->get(), engine.buffer[0], n, shown);
    return true;
}

// Handles the window's messages and shows the progress about 30 times a
// second and at the end; every buffer is metered.
void RunSaveLoop() {
    UpdatePacer pacer(kSaveUpdateMs);
    bool written = true;
    while (written && !save.cancel) {
        const bool due = pacer.Due(timeGetTime());
        if (due && !PumpMessages()) save.stopped = true;
        if (save.stopped || save.cancel) break;
        uint32_t n = TakeNextReadLength();
        if (n == 0) break;
        const bool shown = due || engine.endOfData;
        written = WriteProcessed(ReadAndProcess(n, shown), shown);
    }
    // The stages' last frames that the last buffer had no room for; there
    // are none unless the data was read to its end.
    while (written && SaveRunning()) {
        NullFrameDisplay hidden;
        uint32_t n = TakeRunTail(hidden, PlayRoles(0));
        if (n == 0) break;
        written = WriteProcessed(n, true);
    }
    if (save.cancel) save.stopped = true;
    FinishSave();
}

SaveResult Refused() {
    SaveResult result = save.result;
    result.end = SaveEnd::Refused;
    return result;
}

}  // namespace

bool SaveRunning() {
    return save.output != nullptr;
}

void CancelSave() {
    save.cancel = true;
}

SaveResult SaveProcessedOutput(const std::string& path) {
    if (SaveRunning() || run.playing) return SaveResult{};
    save.result = SaveResult{};
    // Writing onto the song being read would destroy it before it is read.
    if (IsSameFile(path, program.currentPath)) {
        ShowUserMessage(IDS_SAVE_ONTO_SOURCE, ja::kSaveOntoSource);
        return Refused();
    }
    save.dc = std::make_unique<WindowDc>(Host().Window(), program.darkScheme);
    if (!BeginRun()) {
        save.dc.reset();
        return Refused();
    }
    if (!run.processable) {
        ShowUserMessage(IDS_CANT_PROCESS_NOT_PCM, ja::kNotPcm);
        EndRun();
        save.dc.reset();
        return Refused();
    }
    if (!CreateOutput(path)) {
        EndRun();
        save.dc.reset();
        return Refused();
    }
    if (!PrepareRunBuffers(kPlayBufferCount, RunKind::Save)) {
        CloseOutput();
        save.dc.reset();
        return Refused();
    }
    SwitchSaveControls();
    save.cancel = false;
    save.stopped = false;
    RunSaveLoop();
    save.result.end = save.writeFailed ? SaveEnd::Failed
                      : save.stopped   ? SaveEnd::Stopped
                                       : SaveEnd::Saved;
    return save.result;
}

void FinishSave() {
    if (save.output == nullptr) return;
    if (save.writeFailed) mmioSeek(save.output, save.writtenEnd, SEEK_SET);
    save.result.dataBytes = static_cast<uint32_t>(save.writtenEnd) - save.data.dwDataOffset;
    mmioAscend(save.output, &save.data, 0);
    mmioAscend(save.output, &save.riff, 0);
    CloseOutput();
    if (save.writeFailed) CutToWrittenEnd();
    EndRun(RunEnd::Finished);
    save.dc.reset();
}

}  // namespace lomvex
