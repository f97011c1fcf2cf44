// The shared start and teardown of playing and saving.
#include "engine/win32/run_lifecycle.h"

#include "audiofile/format_record.h"
#include "audiofile/format_state.h"
#include "audiofile/win32/sound_decoder.h"
#include "audiofile/win32/play_file_binding.h"
#include "base/program_state.h"
#include "base/run_state.h"
#include "display/win32/run_display.h"
#include "engine/buffer_sizes.h"
#include "engine/win32/engine_host.h"
#include "engine/win32/engine_state.h"
#include "engine/win32/open_play_file.h"
#include "engine/win32/processing.h"
#include "engine/win32/wave_headers.h"
#include "engine/win32/wave_in_calls.h"
#include "engine/win32/wave_out_calls.h"

namespace lomvex {
namespace {

// Resets a device (it hands every queued buffer back), unprepares the
// headers it held among the first `headerCount` (those that still have
// data) and closes it. `calls` is the device's function table.
template <typename Device, typename Calls>
void CloseDevice(Device& device, const Calls& calls, int headerCount) {
    if (device == nullptr) return;
    calls.reset(device);
    for (int i = 0; i < headerCount; ++i) {
        if (waveHeader[i] == nullptr || waveHeader[i]->lpData == nullptr) continue;
        calls.unprepare(device, waveHeader[i], sizeof(WAVEHDR));
        waveHeader[i]->lpData = nullptr;
    }
    calls.close(device);
    device = nullptr;
}

void SwitchControlsBack() {
    SwitchedControls& c = engine.controls;
    if (c.engineOn) Host().SetEngineControls(false);
    if (c.saveOn) Host().SetSaveControls(false);
    if (c.idleOff) Host().SetIdleControls(true);
    c = SwitchedControls{};
}

}  // namespace

bool BeginRun() {
    // Buffers that come back before this run has queued its own are not its.
    engine.stopRequested = true;
    ResetLevelMeter();
    if ((!playFile.file || !fileFormat.Data()) && !OpenPlayFile()) {
        EndRun();
        return false;
    }
    run.bytesPlayed = 0;
    FormatFields source = ReadFormatFields(fileFormat.Data());
    run.oneTimeLength = ComputeOneTimeLength(source, program.settings.deltatime);
    run.blockAlign = source.blockAlign;
    if (!OpenDecoder(run.oneTimeLength)) {
        EndRun();
        return false;
    }
    run.processable = source.tag == kTagPcm || IsDecoding();
    return true;
}

bool PrepareRunBuffers(int count, RunKind kind) {
    FormatFields pcm = ReadFormatFields(fileFormat.Data());
    fileFormat.Release();
    Host().SetIdleControls(false);
    engine.controls.idleOff = true;
    if (!StartRunStages(kind)) {
        EndRun();
        return false;
    }
    uint32_t content = IsDecoding() ? DecoderOutputSize() : run.oneTimeLength;
    bool overlap = program.settings.mado != kWindowRect;
    uint32_t size =
        WaveBufferSize(content, overlap, program.settings.fftparam, formatState.layout) +
        RunStagesRoom();
    if (!AllocWaveBuffers(count, size, pcm.bitsPerSample)) {
        EndRun();
        return false;
    }
    if (IsDecoding())
        PrepareDecoder(engine.buffer[0], run.oneTimeLength, engine.buffer[kStagingBuffer]);
    ReadParametricBands();
    engine.ringPosition = 0;
    engine.endOfData = false;
    for (int i = 0; i < kRingBuffers; ++i) {
        engine.readLength[i] = engine.outputLength[i] = 0;
        if (waveHeader[i]) waveHeader[i]->lpData = nullptr;
    }
    StartPipelineRun(pipelineState);
    return true;
}

void SwitchEngineControls() {
    Host().SetEngineControls(true);
    engine.controls.engineOn = true;
}

void SwitchSaveControls() {
    Host().SetSaveControls(true);
    engine.controls.saveOn = true;
}

void EndRun(RunEnd end) {
    engine.stopRequested = true;
    // The monitor's input holds headers 0-3. Once it is closed, the headers
    // that still have data are the output's: 0-3 when playing, 4-7 when
    // monitoring.
    CloseDevice(engine.input, waveIn, kRingBuffers);
    CloseDevice(engine.output, waveOut, kWaveHeaderCount);
    FreeWaveBuffers();
    StopRunStages();
    const bool cutOff = end == RunEnd::Stopped || end == RunEnd::Closing;
    if (cutOff && IsDecoding()) ResetDecoder();
    CloseDecoder();
    playFile.Close();
    fileFormat.Release();
    if (engine.priorityRaised) SetPlayPriority(false);
    const bool ran = run.playing || engine.controls.saveOn;
    run.playing = false;
    if (ran && end != RunEnd::Failed && end != RunEnd::MonitorStopped &&
        program.settings.levelwarning)
        ShowLevelWarning(end == RunEnd::Closing);
    SwitchControlsBack();
    Host().PositionMoved();
}

}  // namespace lomvex
