// The playback buffer cycle.
#include "engine/win32/playback.h"

#include <cstring>

#include "audiofile/win32/acm_binding.h"
#include "audiofile/win32/play_file_binding.h"
#include "display/format_state.h"
#include "display/win32/run_display.h"
#include "dsp/frame_pipeline.h"
#include "dsp/rate_model.h"
#include "engine/buffer_sizes.h"
#include "engine/device_messages.h"
#include "engine/engine_texts.h"
#include "engine/messages.h"
#include "engine/win32/engine_state.h"
#include "engine/win32/processing.h"
#include "engine/win32/wave_headers.h"
#include "engine/win32/window_dc.h"
#include "resources/ids.h"
#include "shell/shell_state.h"
#include "shell/win32/enabling_binding.h"
#include "shell/win32/main_window.h"

namespace lomvex {
namespace {

// The next amount to read: a one-time length, or what remains.
uint32_t NextReadLength() {
    if (engine.oneTimeLength < playFile.remaining) return engine.oneTimeLength;
    engine.endOfData = true;
    return playFile.remaining;
}

// Reads, decodes and processes `n` source bytes into ring buffer `i`;
// returns the output length, never 0 so the ring never stalls.
uint32_t FillRingBuffer(HDC dc, int i, uint32_t n, bool& readFailed) {
    uint8_t* target = IsDecoding() ? engine.buffer[i] : engine.buffer[kStagingBuffer];
    readFailed = playFile.file->Read(target, n) != n;
    if (IsDecoding()) n = AcmConvert(engine.buffer[i], n);
    uint32_t output = ProcessBuffer(dc, i, n, engine.endOfData);
    if (output == 0) {
        output = 4;
        if (IsDecoding()) acm.header.cbDstLengthUsed = 4;
        std::memset(engine.buffer[i], 0, 4);
    }
    return output;
}

void UnprepareQueuedHeaders() {
    for (int i = 0; i < kRingBuffers; ++i) {
        if (waveHeader[i]->lpData == nullptr) continue;
        waveOutUnprepareHeader(engine.output, waveHeader[i], sizeof(WAVEHDR));
        waveHeader[i]->lpData = nullptr;
    }
}

void CloseDevice() {
    if (engine.output == nullptr) return;
    waveOutClose(engine.output);
    engine.output = nullptr;
}

// Undoes a start that failed after the buffers were made.
void AbandonStart() {
    UnprepareQueuedHeaders();
    FreeWaveBuffers();
    if (engine.output) waveOutReset(engine.output);
    CloseDevice();
    SetPlayPriority(false);
    playFile.Close();
    SetIdleControls(true);
    CloseAcmStream();
    engine.playing = false;
}

// The output format: the file's own, at the rate the playing rate gives.
void ApplyPlayingRate(uint8_t* record) {
    FormatFields f = ReadFormatFields(record);
    uint32_t rate = DeviceSampleRate(shell.playingRate, f.samplesPerSec);
    PutU32Le(record + kFmtSamplesPerSec, rate);
    PutU32Le(record + kFmtAvgBytesPerSec,
             DeviceByteRate(shell.playingRate, f.tag, f.avgBytesPerSec, f.blockAlign, rate));
}

bool OpenDevice() {
    uint8_t format[sizeof(WAVEFORMATEX)] = {};
    uint8_t* record = fileFormat.Data();
    size_t size = fileFormat.Size();
    // A 16-byte PCM record gets a zero cbSize for the device.
    if (size < sizeof format) {
        std::memcpy(format, record, size);
        record = format;
    }
    ApplyPlayingRate(record);
    MMRESULT result = waveOutOpen(&engine.output, WAVE_MAPPER,
                                  reinterpret_cast<const WAVEFORMATEX*>(record),
                                  reinterpret_cast<DWORD_PTR>(mainWindow), 0, CALLBACK_WINDOW);
    if (result == MMSYSERR_NOERROR) return true;
    engine.output = nullptr;
    ShowOutputOpenMessage(result, ja::kSoundInUse);
    fileFormat.Release();
    playFile.Close();
    CloseAcmStream();
    return false;
}

bool QueueRingBuffers() {
    for (int j = 0; j < kRingBuffers && engine.outputLength[j] > 0; ++j) {
        WAVEHDR* header = waveHeader[j];
        *header = {};
        header->lpData = reinterpret_cast<LPSTR>(engine.buffer[j]);
        header->dwBufferLength = engine.outputLength[j];
        header->dwUser = static_cast<DWORD_PTR>(j);
        if (IsLastQueuedBuffer(j, engine.readLength, playFile.remaining))
            header->dwUser |= kLastBufferMark;
        if (waveOutPrepareHeader(engine.output, header, sizeof(WAVEHDR)) != MMSYSERR_NOERROR) {
            header->lpData = nullptr;
            ShowUserMessage(IDS_HEADER_FAILED, ja::kHeaderFailed);
            AbandonStart();
            return false;
        }
        if (waveOutWrite(engine.output, header, sizeof(WAVEHDR)) != MMSYSERR_NOERROR) {
            ShowUserMessage(IDS_WAVEOUTWRITE_FAILED, ja::kWaveOutWriteFailed);
            AbandonStart();
            return false;
        }
    }
    return true;
}

void EndPlayback() {
    UnprepareQueuedHeaders();
    CloseDevice();
    SetEngineControls(false);
    FreeWaveBuffers();
    engine.playing = false;
    if (playFile.file) {
        playFile.file->Ascend();
        playFile.file->Ascend();
        playFile.Close();
    }
    SetIdleControls(true);
    SetPlayPriority(false);
    if (shell.settings.levelwarning) ShowLevelWarning(false);
    CloseAcmStream();
    if (engine.autoPlayClose) SendMessageA(mainWindow, WM_CLOSE, 0, 0);
}

}  // namespace

void StartPlayback() {
    if (engine.playing || !WaveHeadersReady()) return;
    ResetLevelMeter();
    if ((!playFile.file || !fileFormat.Data()) && !OpenPlayFile()) return;
    engine.bytesPlayed = 0;
    FormatFields source = ReadFormatFields(fileFormat.Data());
    engine.oneTimeLength = ComputeOneTimeLength(source, shell.settings.deltatime);
    SetInitialScanStep(source.samplesPerSec, source.channels);
    LoadAcm(engine.oneTimeLength);
    engine.processable = source.tag == kTagPcm || acm.stream != nullptr;
    if (!OpenDevice()) return;

    if (!PrepareRunBuffers()) {
        CloseDevice();
        SetIdleControls(true);
        CloseAcmStream();
        return;
    }
    ReadParametricBands();

    engine.ringPosition = 0;
    StartPipelineRun();
    engine.endOfData = false;
    for (int i = 0; i < kRingBuffers; ++i) {
        engine.readLength[i] = engine.outputLength[i] = 0;
        waveHeader[i]->lpData = nullptr;
    }
    engine.playing = true;
    engine.stopRequested = false;
    SetPlayPriority(true);

    MainWindowDc dc;
    for (int i = 0; i < kRingBuffers && playFile.remaining > 0; ++i) {
        uint32_t n = NextReadLength();
        playFile.remaining -= n;
        engine.readLength[i] = n;
        bool readFailed = false;
        engine.outputLength[i] = FillRingBuffer(dc.get(), i, n, readFailed);
        if (readFailed) {
            ShowUserMessage(IDS_CANT_READ_DATA, ja::kCantReadData, i, static_cast<long>(n));
            AbandonStart();
            return;
        }
    }
    if (!QueueRingBuffers()) return;
    SetEngineControls(true);
    DrawLevels(dc.get(), 0, engine.outputLength[0]);
}

void OnPlayBufferDone(WAVEHDR* header) {
    if (engine.stopRequested || !engine.playing) return;
    DWORD startTime = timeGetTime();
    int i = static_cast<int>(header->dwUser & 0xFFFF);
    bool last = (header->dwUser >> 16) != 0;
    if (i >= kRingBuffers) return;

    engine.ringPosition = (engine.ringPosition + 1) % kRingBuffers;
    engine.bytesPlayed += engine.readLength[i];
    uint32_t n = NextReadLength();
    engine.readLength[i] = n;
    waveOutUnprepareHeader(engine.output, header, sizeof(WAVEHDR));
    header->lpData = nullptr;

    MainWindowDc dc;
    DrawElapsedText(dc.get());
    playFile.remaining -= n;
    if (!last) DrawLevels(dc.get(), engine.ringPosition, engine.outputLength[engine.ringPosition]);
    if (!last && n > 0) {
        // A short read inside the cycle plays what was read; the rest of the
        // buffer keeps its last contents only up to the processed length.
        bool readFailed = false;
        engine.outputLength[i] = FillRingBuffer(dc.get(), i, n, readFailed);
        header->lpData = reinterpret_cast<LPSTR>(engine.buffer[i]);
        header->dwBufferLength = engine.outputLength[i];
        header->dwFlags = 0;
        if (playFile.remaining == 0) header->dwUser |= kLastBufferMark;
        waveOutPrepareHeader(engine.output, header, sizeof(WAVEHDR));
        waveOutWrite(engine.output, header, sizeof(WAVEHDR));
        AdaptScanStep(startTime);
        return;
    }
    engine.outputLength[i] = 0;
    if (last) EndPlayback();
}

void StopPlayback() {
    engine.autoPlayClose = false;
    SetEngineControls(false);
    engine.stopRequested = true;
    if (engine.output) {
        waveOutReset(engine.output);
        UnprepareQueuedHeaders();
        CloseDevice();
    }
    SetPlayPriority(false);
    playFile.Close();
    if (engine.playing && shell.settings.levelwarning) ShowLevelWarning(false);
    SetIdleControls(true);
    if (IsDecoding()) {
        ResetAcmStream();
        CloseAcmStream();
    }
    FreeWaveBuffers();
    engine.playing = false;
}

void PausePlayback(bool pause) {
    if (engine.output == nullptr) return;
    if (pause)
        waveOutPause(engine.output);
    else
        waveOutRestart(engine.output);
}

void ShutdownPlayback() {
    if (engine.output == nullptr || engine.mode != kEnginePlay || !engine.playing) return;
    engine.stopRequested = true;
    waveOutReset(engine.output);
    UnprepareQueuedHeaders();
    CloseDevice();
    if (IsDecoding()) {
        ResetAcmStream();
        CloseAcmStream();
    }
    playFile.Close();
    if (shell.settings.levelwarning) ShowLevelWarning(true);
    FreeWaveBuffers();
    engine.playing = false;
}

void CloseOpenFile() {
    if (!playFile.file) return;
    playFile.Close();
    if (engine.mode == kEnginePlay) CloseDevice();
    SetPlayPriority(false);
}

}  // namespace lomvex
