// The playback buffer cycle.
#include "engine/win32/playback.h"

#include <algorithm>

#include "audiofile/format_record.h"
#include "audiofile/format_state.h"
#include "audiofile/win32/acm_binding.h"
#include "audiofile/win32/play_file_binding.h"
#include "audiofile/win32/sound_decoder.h"
#include "base/device_messages.h"
#include "base/messages.h"
#include "base/program_state.h"
#include "base/run_state.h"
#include "base/win32/window_dc.h"
#include "display/win32/run_display.h"
#include "dsp/rate_model.h"
#include "engine/buffer_sizes.h"
#include "engine/engine_texts.h"
#include "engine/win32/engine_host.h"
#include "engine/win32/engine_state.h"
#include "engine/win32/monitor.h"
#include "engine/win32/play_jump.h"
#include "engine/win32/play_loop.h"
#include "engine/win32/processing.h"
#include "engine/win32/run_lifecycle.h"
#include "engine/win32/save_output.h"
#include "engine/win32/wave_headers.h"
#include "engine/win32/wave_out_calls.h"
#include "resources/ids.h"

namespace lomvex {
namespace {

// The next amount to read: a one-time length at the tempo, or what remains.
uint32_t NextReadLength() {
    const uint32_t n = LoopReadLength(playFile.dataSize - playFile.remaining,
                                      TempoReadLength(run.oneTimeLength, run.blockAlign, RunTempo()));
    return std::min(n, playFile.remaining);
}

// Reads, decodes and processes `n` source bytes into ring buffer `i`;
// returns the output length, never 0 so the ring never stalls.
uint32_t FillRingBuffer(HDC dc, int i, uint32_t n, bool& readFailed) {
    uint8_t* target = IsDecoding() ? engine.buffer[i] : engine.buffer[kStagingBuffer];
    readFailed = playFile.file->Read(target, n) != n;
    if (IsDecoding()) n = DecodeBuffer(engine.buffer[i], n);
    CloseLoopSeam(i, engine.buffer[kStagingBuffer], n, playFile.dataSize - playFile.remaining,
                  playFile.remaining);
    // The data ends with this buffer unless the loop went back to Start.
    engine.endOfData = playFile.remaining == 0;
    uint32_t output = ProcessBuffer(GraphDisplay(dc), PlayRoles(i), n, engine.endOfData);
    if (output > 0) return output;
    if (IsDecoding()) acm.header.cbDstLengthUsed = 4;
    return FillEmptyOutput(engine.buffer[i], formatState.layout);
}

// The output format: the file's own, at the rate the playing rate gives
// (its own rate when the tempo is kept).
void ApplyPlayingRate(uint8_t* record) {
    FormatFields f = ReadFormatFields(record);
    const int r = DeviceRateSetting(program.playingRate, program.settings.keeptempo != 0);
    uint32_t rate = DeviceSampleRate(r, f.samplesPerSec);
    PutU32Le(record + kFmtSamplesPerSec, rate);
    PutU32Le(record + kFmtAvgBytesPerSec,
             DeviceByteRate(r, f.tag, f.avgBytesPerSec, f.blockAlign, rate));
}

bool OpenDevice() {
    DeviceFormat format(fileFormat.Data(), fileFormat.Size());
    ApplyPlayingRate(format.bytes());
    MMRESULT result =
        waveOut.open(&engine.output, WAVE_MAPPER, format.get(),
                     reinterpret_cast<DWORD_PTR>(Host().Window()), 0, CALLBACK_WINDOW);
    if (result == MMSYSERR_NOERROR) return true;
    engine.output = nullptr;
    ShowOutputOpenMessage(result, ja::kSoundInUse);
    return false;
}

// After the end of the data: the next part of the sound the stages still
// owe, processed into ring buffer `i`; its length, 0 when none is owed.
uint32_t FillRingTail(HDC dc, int i) {
    engine.readLength[i] = 0;
    return RunOwesSound() ? TakeRunTail(GraphDisplay(dc), PlayRoles(i)) : 0;
}

// Fills up to four ring buffers; false after a short read's message.
bool FillRing(HDC dc) {
    for (int i = 0; i < kRingBuffers; ++i) {
        if (playFile.remaining == 0) {
            engine.outputLength[i] = FillRingTail(dc, i);
            continue;
        }
        uint32_t n = NextReadLength();
        playFile.remaining -= n;
        engine.readLength[i] = n;
        bool readFailed = false;
        engine.outputLength[i] = FillRingBuffer(dc, i, n, readFailed);
        if (readFailed) {
            ShowUserMessage(IDS_CANT_READ_DATA, ja::kCantReadData, i, static_cast<long>(n));
            return false;
        }
    }
    return true;
}

// Queues the filled ring buffers; false after a prepare or write failure's
// message. A header is marked prepared (lpData set) only once the device
// holds it, so the teardown unprepares exactly those.
bool QueueRing() {
    for (int j = 0; j < kRingBuffers && engine.outputLength[j] > 0; ++j) {
        WAVEHDR* header = waveHeader[j];
        *header = {};
        header->lpData = reinterpret_cast<LPSTR>(engine.buffer[j]);
        header->dwBufferLength = engine.outputLength[j];
        header->dwUser = static_cast<DWORD_PTR>(j);
        if (IsLastQueuedBuffer(j, engine.outputLength, playFile.remaining, RunOwesSound()))
            header->dwUser |= kLastBufferMark;
        if (waveOut.prepare(engine.output, header, sizeof(WAVEHDR)) != MMSYSERR_NOERROR) {
            header->lpData = nullptr;
            ShowUserMessage(IDS_HEADER_FAILED, ja::kHeaderFailed);
            return false;
        }
        if (waveOut.write(engine.output, header, sizeof(WAVEHDR)) != MMSYSERR_NOERROR) {
            ShowUserMessage(IDS_WAVEOUTWRITE_FAILED, ja::kWaveOutWriteFailed);
            return false;
        }
    }
    return true;
}

// Takes the buffer-done messages of a reset device from the queue, so that
// none of them is taken for a buffer of the refilled ring.
void DropReturnedBuffers() {
    MSG message;
    while (PeekMessageA(&message, Host().Window(), MM_WOM_DONE, MM_WOM_DONE, PM_REMOVE)) {
    }
}

// Stops the device and takes back every buffer it holds.
void ResetRing() {
    waveOut.reset(engine.output);
    for (int i = 0; i < kRingBuffers; ++i) {
        WAVEHDR* header = waveHeader[i];
        if (header == nullptr || header->lpData == nullptr) continue;
        waveOut.unprepare(engine.output, header, sizeof(WAVEHDR));
        header->lpData = nullptr;
    }
    DropReturnedBuffers();
    engine.ringPosition = 0;
    engine.endOfData = false;
    for (int i = 0; i < kRingBuffers; ++i) engine.readLength[i] = engine.outputLength[i] = 0;
}

void EndPlayback() {
    EndRun(RunEnd::Finished);
    if (run.autoPlayClose) SendMessageA(Host().Window(), WM_CLOSE, 0, 0);
}

}  // namespace

void StartPlayback() {
    if (run.playing || SaveRunning() || !WaveHeadersReady()) return;
    if (!BeginRun()) return;
    FormatFields source = ReadFormatFields(fileFormat.Data());
    SetInitialScanStep(source.samplesPerSec, source.channels);
    if (!OpenDevice() || !PrepareRunBuffers(kPlayBufferCount, RunKind::Play)) {
        EndRun();
        return;
    }
    ApplyStartPosition();
    ResetLoopSeam();
    run.playing = true;
    SetPlayPriority(true);

    WindowDc dc(Host().Window(), program.darkScheme);
    if (!FillRing(dc.get()) || !QueueRing()) {
        EndRun();
        return;
    }
    SwitchEngineControls();
    engine.stopRequested = false;
    DrawLevels(dc.get(), engine.buffer[0], engine.outputLength[0]);
}

void OnPlayBufferDone(WAVEHDR* header) {
    if (engine.stopRequested || !run.playing) return;
    DWORD startTime = timeGetTime();
    int i = static_cast<int>(header->dwUser & 0xFFFF);
    bool last = (header->dwUser >> 16) != 0;
    if (i >= kRingBuffers) return;

    engine.ringPosition = (engine.ringPosition + 1) % kRingBuffers;
    run.bytesPlayed = PositionAfterBuffer(i, run.bytesPlayed, engine.readLength[i]);
    uint32_t n = NextReadLength();
    engine.readLength[i] = n;
    waveOut.unprepare(engine.output, header, sizeof(WAVEHDR));
    header->lpData = nullptr;

    WindowDc dc(Host().Window(), program.darkScheme);
    DrawElapsedText(dc.get());
    Host().PositionMoved();
    playFile.remaining -= n;
    if (!last)
        DrawLevels(dc.get(), engine.buffer[engine.ringPosition],
                   engine.outputLength[engine.ringPosition]);
    // A short read inside the cycle plays what was read; the rest of the
    // buffer keeps its last contents only up to the processed length.
    bool readFailed = false;
    const uint32_t output = last    ? 0
                            : n > 0 ? FillRingBuffer(dc.get(), i, n, readFailed)
                                    : FillRingTail(dc.get(), i);
    if (output > 0) {
        engine.outputLength[i] = output;
        header->lpData = reinterpret_cast<LPSTR>(engine.buffer[i]);
        header->dwBufferLength = engine.outputLength[i];
        header->dwFlags = 0;
        if (playFile.remaining == 0 && !RunOwesSound()) header->dwUser |= kLastBufferMark;
        waveOut.prepare(engine.output, header, sizeof(WAVEHDR));
        waveOut.write(engine.output, header, sizeof(WAVEHDR));
        AdaptScanStep(startTime);
        return;
    }
    engine.outputLength[i] = 0;
    if (last) EndPlayback();
}

bool RestartPlaybackAt(uint32_t offset) {
    if (!run.playing || engine.output == nullptr) return false;
    engine.stopRequested = true;
    ResetRing();
    if (!StartRunStages(RunKind::Play)) {
        EndRun();
        return false;
    }
    StartPipelineRun(pipelineState);
    ResetLoopSeam();
    playFile.remaining = playFile.dataSize - offset;
    run.bytesPlayed = offset;
    if (run.paused) waveOutPause(engine.output);
    WindowDc dc(Host().Window(), program.darkScheme);
    if (!FillRing(dc.get()) || !QueueRing()) {
        EndRun();
        return false;
    }
    // A device that the reset unpaused and the new buffers started (as
    // Wine's may) is paused again.
    if (run.paused) waveOutPause(engine.output);
    engine.stopRequested = false;
    DrawElapsedText(dc.get());
    Host().PositionMoved();
    return true;
}

void StopPlayback() {
    run.autoPlayClose = false;
    EndRun(RunEnd::Stopped);
}

void PausePlayback(bool pause) {
    if (engine.output == nullptr) return;
    SetPlayPriority(!pause);
    if (pause)
        waveOutPause(engine.output);
    else
        waveOutRestart(engine.output);
}

void ShutdownRun() {
    if (SaveRunning()) {
        FinishSave();
        return;
    }
    // A monitor whose Stop showed the level warning ends without another.
    if (run.playing) EndRun(MonitorStopping() ? RunEnd::MonitorStopped : RunEnd::Closing);
}

void CloseOpenFile() {
    if (!playFile.file && engine.input == nullptr) return;
    EndRun();
}

}  // namespace lomvex
