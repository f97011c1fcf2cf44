// The monitor run over the shared run lifecycle, with two devices.
#include "engine/win32/monitor.h"

#include "audiofile/format_record.h"
#include "audiofile/format_state.h"
#include "audiofile/win32/play_file_binding.h"
#include "base/base_texts.h"
#include "base/device_messages.h"
#include "base/messages.h"
#include "base/program_state.h"
#include "base/run_state.h"
#include "base/win32/window_dc.h"
#include "display/status_panel.h"
#include "display/win32/run_display.h"
#include "display/win32/status_panel.h"
#include "engine/buffer_sizes.h"
#include "engine/engine_texts.h"
#include "engine/win32/engine_host.h"
#include "engine/win32/engine_state.h"
#include "engine/win32/open_play_file.h"
#include "engine/win32/processing.h"
#include "engine/win32/run_lifecycle.h"
#include "engine/win32/wave_headers.h"
#include "engine/win32/wave_in_calls.h"
#include "engine/win32/wave_out_calls.h"
#include "resources/ids.h"

namespace lomvex {
namespace {

struct MonitorRun {
    // 0 running, 1 stop asked, 2 or more ended: buffers that come back
    // then are ignored.
    int stop = 2;
    // The input handler's depth; 1 at rest. A message box inside the
    // handler lets the next buffer's message in.
    int depth = 1;
};

MonitorRun monitor;

// Points input header `i` at buffer `i` for a whole one-time length.
WAVEHDR* InputHeader(int i) {
    WAVEHDR* header = waveHeader[i];
    header->lpData = reinterpret_cast<LPSTR>(engine.buffer[i]);
    header->dwBufferLength = run.oneTimeLength;
    header->dwBytesRecorded = 0;
    header->dwFlags = 0;
    header->dwLoops = 0;
    header->dwUser = static_cast<DWORD_PTR>(i);
    return header;
}

// Queues the four input buffers; false after its message (the run has
// then ended).
bool QueueInput() {
    for (int i = 0; i < kRingBuffers; ++i) {
        *waveHeader[i] = {};
        WAVEHDR* header = InputHeader(i);
        if (waveIn.prepare(engine.input, header, sizeof(WAVEHDR)) != MMSYSERR_NOERROR) {
            header->lpData = nullptr;
            ShowUserMessage(IDS_HEADER_FAILED, ja::kHeaderFailed);
            EndRun();
            return false;
        }
        if (waveIn.add(engine.input, header, sizeof(WAVEHDR)) != MMSYSERR_NOERROR) {
            waveIn.unprepare(engine.input, header, sizeof(WAVEHDR));
            header->lpData = nullptr;
            ShowUserMessage(IDS_ADDBUFFER_FAILED, ja::kAddBufferFailed);
            EndRun();
            return false;
        }
    }
    return true;
}

bool OpenDevices() {
    DeviceFormat format(fileFormat.Data(), fileFormat.Size());
    const DWORD_PTR window = reinterpret_cast<DWORD_PTR>(Host().Window());
    if (waveOut.open(&engine.output, WAVE_MAPPER, format.get(), window, 0, CALLBACK_WINDOW) !=
        MMSYSERR_NOERROR) {
        engine.output = nullptr;
        ShowUserMessage(IDS_CANT_OPEN_WAVEOUT, ja::kCantOpenOutput);
        return false;
    }
    if (waveIn.open(&engine.input, WAVE_MAPPER, format.get(), window, 0, CALLBACK_WINDOW) !=
        MMSYSERR_NOERROR) {
        engine.input = nullptr;
        ShowUserMessage(IDS_CANT_OPEN_WAVEIN, ja::kCantOpenInput);
        return false;
    }
    return true;
}

// Processes `n` recorded bytes of input buffer `i` into output buffer
// i + 4 and plays it; returns the output length. While the device still
// holds that output buffer (the output has fallen behind the input), its
// header is not touched: this buffer's output is skipped.
uint32_t PlayInputBuffer(HDC dc, int i, uint32_t n) {
    const int out = kMonitorOutputBase + i;
    uint32_t length = ProcessBuffer(GraphDisplay(dc), {i, kMonitorChannelBuffer, out}, n, false);
    if (length == 0) length = FillEmptyOutput(engine.buffer[out], formatState.layout);
    WAVEHDR* header = waveHeader[out];
    if (header->lpData != nullptr) return length;
    *header = {};
    header->lpData = reinterpret_cast<LPSTR>(engine.buffer[out]);
    header->dwBufferLength = length;
    if (waveOut.prepare(engine.output, header, sizeof(WAVEHDR)) != MMSYSERR_NOERROR) {
        header->lpData = nullptr;
        ShowDiagnostic("waveOutPrepareHeader");
    } else if (waveOut.write(engine.output, header, sizeof(WAVEHDR)) != MMSYSERR_NOERROR) {
        waveOut.unprepare(engine.output, header, sizeof(WAVEHDR));
        header->lpData = nullptr;
        ShowDiagnostic("waveOutWrite");
    }
    return length;
}

void RequeueInput(int i) {
    WAVEHDR* header = InputHeader(i);
    if (waveIn.prepare(engine.input, header, sizeof(WAVEHDR)) != MMSYSERR_NOERROR) {
        header->lpData = nullptr;
        ShowDiagnostic("waveInPrepareHeader");
    } else if (waveIn.add(engine.input, header, sizeof(WAVEHDR)) != MMSYSERR_NOERROR) {
        ShowDiagnostic("waveInAddBuffer");
    }
}

}  // namespace

bool OpenRecordFile() {
    uint8_t* record = fileFormat.Acquire(kPcmFormatSize);
    if (record == nullptr) return false;
    const Settings& s = program.settings;
    WriteFormatFields(record, PcmFormat(s.freq, s.channel, s.bits));
    WindowsPlayFileHost().ShowFormat(record, kPcmFormatSize);
    DeviceFormat format(record, kPcmFormatSize);
    MMRESULT result = waveInOpen(nullptr, WAVE_MAPPER, format.get(), 0, 0, WAVE_FORMAT_QUERY);
    if (result != MMSYSERR_NOERROR) {
        ShowInputQueryMessage(result);
        fileFormat.Release();
        return false;
    }
    ShowLength(kMonitorByteLimit);
    run.bytesPlayed = 0;
    return true;
}

void StartMonitor() {
    if (run.playing || engine.input != nullptr || !WaveHeadersReady()) return;
    ResetLevelMeter();
    if (fileFormat.Data() == nullptr && !OpenRecordFile()) return;
    const FormatFields record = ReadFormatFields(fileFormat.Data());
    run.oneTimeLength = ComputeOneTimeLength(record, program.settings.deltatime);
    run.processable = true;
    run.bytesPlayed = 0;
    // Unlike playback, the first scan step is not doubled for stereo.
    SetInitialScanStep(record.samplesPerSec, 1);
    if (!OpenDevices()) {
        EndRun();
        return;
    }
    if (!PrepareRunBuffers(kMonitorBufferCount, RunKind::Monitor)) return;
    for (int i = kMonitorOutputBase; i < kWaveHeaderCount; ++i) *waveHeader[i] = {};
    if (!QueueInput()) return;
    monitor = MonitorRun{0, 1};
    run.playing = true;
    SetPlayPriority(true);
    if (waveIn.start(engine.input) != MMSYSERR_NOERROR) {
        ShowUserMessage(IDS_REC_FAILED, ja::kRecFailed);
        SetPlayPriority(false);
        // The buffers the reset hands back end the run.
        monitor.stop = 1;
        waveIn.reset(engine.input);
    }
    SwitchEngineControls();
}

void OnRecordBufferDone(WAVEHDR* header) {
    if (monitor.depth != 1) ShowDiagnostic(ja::kReentry);
    if (monitor.stop > 1 || engine.input == nullptr) return;
    ++monitor.depth;
    if (monitor.stop == 1) monitor.stop = 2;
    const bool stopping = monitor.stop == 2;
    const DWORD startTime = timeGetTime();
    const int i = static_cast<int>(header->dwUser & 0xFFFF);
    if (i < kRingBuffers) {
        engine.ringPosition = (engine.ringPosition + 1) % kRingBuffers;
        if (waveIn.unprepare(engine.input, header, sizeof(WAVEHDR)) != MMSYSERR_NOERROR)
            ShowDiagnostic("waveInUnprepareHeader");
        header->lpData = nullptr;
        uint32_t n = header->dwBytesRecorded;
        WindowDc dc(Host().Window(), program.darkScheme);
        DrawLevels(dc.get(), engine.buffer[i], n);
        if (!stopping && n > 0) n = PlayInputBuffer(dc.get(), i, n);
        run.bytesPlayed += n;
        DrawElapsedText(dc.get());
        if (!stopping) {
            RequeueInput(i);
            AdaptScanStep(startTime);
        }
    }
    if (stopping) EndRun(RunEnd::MonitorStopped);
    --monitor.depth;
}

void OnMonitorOutputDone(WAVEHDR* header) {
    if (engine.output == nullptr || header->lpData == nullptr) return;
    if (waveOut.unprepare(engine.output, header, sizeof(WAVEHDR)) != MMSYSERR_NOERROR)
        ShowDiagnostic("waveOutUnprepareHeader");
    header->lpData = nullptr;
}

void StopMonitor() {
    if (!run.playing || engine.input == nullptr || monitor.stop != 0) return;
    SetPlayPriority(false);
    Host().SetEngineControls(false);
    engine.controls.engineOn = false;
    monitor.stop = 1;
    waveIn.reset(engine.input);
    if (program.settings.levelwarning) ShowLevelWarning(false);
    Host().SetIdleControls(true);
    engine.controls.idleOff = false;
}

bool MonitorStopping() {
    return monitor.stop == 1;
}

void PauseMonitor(bool pause) {
    if (engine.input == nullptr) return;
    SetPlayPriority(!pause);
    if (pause)
        waveIn.reset(engine.input);
    else
        waveIn.start(engine.input);
}

}  // namespace lomvex
