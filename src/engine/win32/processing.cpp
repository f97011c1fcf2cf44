// The processing chain over the engine's wave buffers.
#include "engine/win32/processing.h"

#include <algorithm>
#include <array>

#include "audiofile/format_state.h"
#include "audiofile/win32/acm_binding.h"
#include "base/program_state.h"
#include "base/run_state.h"
#include "dsp/control_state.h"
#include "dsp/parametric_text.h"
#include "engine/win32/engine_host.h"
#include "engine/win32/engine_state.h"

namespace lomvex {

PipelineState pipelineState;

namespace {

// The parametric band values read at the start of the run.
std::array<double, kParametricValues> parametricBands;

PipelineInputs CurrentInputs(bool endOfData) {
    PipelineInputs in;
    in.frame.mado = program.settings.mado;
    in.frame.viewItem = program.viewItem;
    in.frame.deltatime = program.settings.deltatime;
    in.frame.unitX = program.units.unitX;
    in.frame.unitY = program.units.unitY;
    in.source.layoutCode = formatState.layout;
    in.source.formatTag = formatState.tag;
    in.source.decoderStream = acm.stream != nullptr;
    in.source.sampleRate = formatState.sampleRate;
    in.channelOperation = controlState.channel.operation;
    in.playing = run.playing;
    in.endOfData = endOfData;
    return in;
}

EqualizerSettings CurrentEqualizer() {
    EqualizerSettings eq;
    eq.fftmode = program.settings.fftmode;
    std::copy(std::begin(program.settings.eq), std::end(program.settings.eq), eq.bars);
    std::copy(parametricBands.begin(), parametricBands.end(), eq.parametric);
    eq.easy = controlState.easy;
    return eq;
}

}  // namespace

uint32_t ProcessBuffer(FrameDisplay& display, int target, uint32_t byteCount, bool endOfData) {
    PipelineInputs in = CurrentInputs(endOfData);
    EqualizerSettings eq = CurrentEqualizer();
    in.equalizer = &eq;
    int source = ApplyChannelOperation(controlState.channel, in.source, engine.buffer,
                                       kChannelBuffer, kStagingBuffer, byteCount);
    return ProcessFrames(pipelineState, display, in, engine.buffer[source], engine.buffer[target],
                         byteCount, engine.bufferSize);
}

void ReadParametricBands() {
    if (program.settings.fftmode != kFftModeParametric) return;
    parametricBands = ParametricBandsFromTexts(Host().ReadParametricTexts());
}

}  // namespace lomvex
