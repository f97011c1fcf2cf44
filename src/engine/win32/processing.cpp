// The processing chain over the engine's wave buffers.
#include "engine/win32/processing.h"

#include <algorithm>
#include <array>

#include "audiofile/format_state.h"
#include "audiofile/win32/acm_binding.h"
#include "base/messages.h"
#include "base/program_state.h"
#include "base/run_state.h"
#include "dsp/control_state.h"
#include "dsp/parametric_text.h"
#include "dsp/pcm_pitch_shift.h"
#include "dsp/rate_model.h"
#include "engine/engine_texts.h"
#include "engine/win32/engine_host.h"
#include "engine/win32/engine_state.h"
#include "resources/ids.h"

namespace lomvex {

PipelineState pipelineState;

namespace {

// The parametric band values read at the start of the run.
std::array<double, kParametricValues> parametricBands;

// The run's transposition ("Keep tempo").
PcmPitchShift runShift;

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

BufferRoles PlayRoles(int target) { return {kStagingBuffer, kChannelBuffer, target}; }

uint32_t ProcessBuffer(FrameDisplay& display, const BufferRoles& roles, uint32_t byteCount,
                       bool endOfData) {
    PipelineInputs in = CurrentInputs(endOfData);
    EqualizerSettings eq = CurrentEqualizer();
    in.equalizer = &eq;
    int source = ApplyChannelOperation(controlState.channel, in.source, engine.buffer, roles.channel,
                                       roles.source, byteCount);
    uint32_t output = ProcessFrames(pipelineState, display, in, engine.buffer[source],
                                    engine.buffer[roles.target], byteCount, engine.bufferSize);
    return ShiftRunPitch(engine.buffer[roles.target], output, engine.bufferSize, endOfData);
}

bool StartPitchShiftRun() {
    const PipelineInputs in = CurrentInputs(false);
    const double semitones = KeptTempoShift(program.playingRate, program.settings.keeptempo != 0);
    const double shift = IsProcessable(in.source) ? semitones : 0.0;
    if (StartPcmPitchShift(runShift, shift, OutputLayoutCode(in), in.source.sampleRate))
        return true;
    ShowUserMessage(IDS_NOT_ENOUGH_MEMORY, ja::kNotEnoughMemory);
    return false;
}

uint32_t ShiftRunPitch(uint8_t* buffer, uint32_t byteCount, uint32_t capacity, bool endOfData) {
    return ShiftPcmPitch(runShift, buffer, byteCount, capacity, endOfData);
}

uint32_t TakeShiftedTail(uint8_t* buffer, uint32_t capacity) {
    return TakePcmShiftTail(runShift, buffer, capacity);
}

void StopPitchShiftRun() {
    StopPcmPitchShift(runShift);
}

void ReadParametricBands() {
    if (program.settings.fftmode != kFftModeParametric) return;
    parametricBands = ParametricBandsFromTexts(Host().ReadParametricTexts());
}

}  // namespace lomvex
