// The processing chain over the engine's wave buffers.
#include "engine/win32/processing.h"

#include <algorithm>
#include <array>
#include <string>

#include "audiofile/win32/acm_binding.h"
#include "audiofile/win32/play_file_binding.h"
#include "engine/buffer_sizes.h"
#include "shell/win32/enabling_binding.h"
#include "display/format_state.h"
#include "display/win32/run_display.h"
#include "dsp/frame_pipeline.h"
#include "dsp/parametric_text.h"
#include "engine/win32/engine_state.h"
#include "resources/ids.h"
#include "shell/control_state.h"
#include "shell/shell_state.h"
#include "shell/win32/main_window.h"

namespace lomvex {
namespace {

// The parametric band values read at the start of the run.
std::array<double, kParametricValues> parametricBands;

PipelineInputs CurrentInputs(bool endOfData) {
    PipelineInputs in;
    in.frame.mado = shell.settings.mado;
    in.frame.viewItem = shell.viewItem;
    in.frame.deltatime = shell.settings.deltatime;
    in.frame.unitX = shell.units.unitX;
    in.frame.unitY = shell.units.unitY;
    in.source.layoutCode = formatState.layout;
    in.source.formatTag = formatState.tag;
    in.source.decoderStream = acm.stream != nullptr;
    in.source.sampleRate = formatState.sampleRate;
    in.channelOperation = controlState.channel.operation;
    in.playing = engine.playing;
    in.endOfData = endOfData;
    return in;
}

EqualizerSettings CurrentEqualizer() {
    EqualizerSettings eq;
    eq.fftmode = shell.settings.fftmode;
    std::copy(std::begin(shell.settings.eq), std::end(shell.settings.eq), eq.bars);
    std::copy(parametricBands.begin(), parametricBands.end(), eq.parametric);
    eq.easy = controlState.easy;
    return eq;
}

}  // namespace

uint32_t ProcessBuffer(HDC dc, int target, uint32_t byteCount, bool endOfData) {
    PipelineInputs in = CurrentInputs(endOfData);
    EqualizerSettings eq = CurrentEqualizer();
    in.equalizer = &eq;
    int source = ApplyChannelOperation(controlState.channel, in.source, engine.buffer,
                                       kChannelBuffer, kStagingBuffer, byteCount);
    return ProcessFrames(GraphDisplay(dc), in, engine.buffer[source], engine.buffer[target],
                         byteCount, engine.bufferSize);
}

bool PrepareRunBuffers() {
    FormatFields pcm = ReadFormatFields(fileFormat.Data());
    fileFormat.Release();
    SetIdleControls(false);
    uint32_t content = IsDecoding() ? acm.outputSize : engine.oneTimeLength;
    bool overlap = shell.settings.mado != kWindowRect;
    uint32_t size = WaveBufferSize(content, overlap, shell.settings.fftparam, formatState.layout);
    if (!AllocWaveBuffers(kPlayBufferCount, size, pcm.bitsPerSample)) return false;
    if (IsDecoding())
        PrepareAcmHeader(engine.buffer[0], engine.oneTimeLength, engine.buffer[kStagingBuffer]);
    return true;
}

void ReadParametricBands() {
    if (shell.settings.fftmode != kEqParametric) return;
    std::array<std::string, kParametricValues> texts;
    for (int i = 0; i < kParametricValues; ++i) {
        char text[16] = "";
        GetDlgItemTextA(mainWindow, IDC_FIELD_FIRST + i, text, sizeof text);
        texts[i] = text;
    }
    parametricBands = ParametricBandsFromTexts(texts);
}

int CurrentChannelOperation() { return controlState.channel.operation; }

}  // namespace lomvex
