// The processing chain over the engine's wave buffers.
#include "engine/win32/processing.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "audiofile/format_state.h"
#include "audiofile/win32/sound_decoder.h"
#include "base/messages.h"
#include "base/program_state.h"
#include "base/run_state.h"
#include "dsp/control_state.h"
#include "dsp/frame_stages.h"
#include "dsp/parametric_text.h"
#include "dsp/pcm_stage.h"
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

// The run's stages: the voice removal before the frame pipeline (in place
// of the channel operation, so that the spectrum shows what is played), the
// transposition and tempo after it.
struct RunStages {
    PcmStage voice;
    PcmStage shift;
    RunKind kind = RunKind::Save;
};
RunStages stages;

PcmSource CurrentSource() {
    PcmSource source;
    source.layoutCode = formatState.layout;
    source.formatTag = formatState.tag;
    source.decoderStream = IsDecoding();
    source.sampleRate = formatState.sampleRate;
    return source;
}

PipelineInputs CurrentInputs(bool playing, bool endOfData) {
    PipelineInputs in;
    in.frame.mado = program.settings.mado;
    in.frame.viewItem = program.viewItem;
    in.frame.deltatime = program.settings.deltatime;
    in.frame.unitX = program.units.unitX;
    in.frame.unitY = program.units.unitY;
    in.source = CurrentSource();
    in.channelOperation = RunChannelOperation();
    in.playing = playing;
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

// The frame pipeline and the stages after it, for `byteCount` bytes of
// buffer `source`; `upstreamDone` says that nothing follows them.
uint32_t ProcessFromPipeline(FrameDisplay& display, int source, int target, uint32_t byteCount,
                             bool upstreamDone) {
    PipelineInputs in = CurrentInputs(run.playing, upstreamDone);
    EqualizerSettings eq = CurrentEqualizer();
    in.equalizer = &eq;
    const uint32_t output = ProcessFrames(pipelineState, display, in, engine.buffer[source],
                                          engine.buffer[target], byteCount, engine.bufferSize);
    SetPcmStageTempo(stages.shift, RunTempo());
    return ProcessPcmStage(stages.shift, engine.buffer[target], output, engine.bufferSize,
                           upstreamDone);
}

}  // namespace

BufferRoles PlayRoles(int target) {
    return {kStagingBuffer, kChannelBuffer, target};
}

int RunChannelOperation() {
    return ChainChannelOperation(program.settings.voicecut, controlState.channel.operation,
                                 CurrentSource());
}

int RunOutputLayout(bool devicePlays) {
    return OutputLayoutCode(CurrentInputs(devicePlays, false));
}

double RunTempo() {
    if (stages.kind == RunKind::Monitor) return 100.0;
    return program.settings.tempo;
}

bool StartRunStages(RunKind kind) {
    StopRunStages();
    stages.kind = kind;
    const PcmSource source = CurrentSource();
    const bool removeVoice =
        RemovesVoiceInStereo(program.settings.voicecut, controlState.channel.operation, source);
    const double semitones =
        IsProcessable(source) ? KeptTempoShift(program.playingRate, program.settings.keeptempo != 0)
                              : 0.0;
    const double tempo = RunTempo();
    // A song being played follows the tempo as it changes, so it always has
    // the stage (which passes the sound untouched at 100 without a shift).
    const bool shifts =
        IsProcessable(source) && (semitones != 0.0 || tempo != 100.0 || kind == RunKind::Play);
    const int shiftLayout = RunOutputLayout(kind != RunKind::Save);
    std::unique_ptr<FrameStage> voice, shift;
    if (removeVoice) voice = MakeVoiceRemovalStage(source.sampleRate);
    // The live input keeps its tempo, so its lag is no more than the
    // transposition needs.
    const double slowest = kind == RunKind::Monitor ? 100.0 : kTempoMin;
    if (shifts)
        shift = MakePitchShiftStage(source.sampleRate, LayoutChannels(shiftLayout), semitones,
                                    tempo, slowest);
    if ((voice || !removeVoice) && (shift || !shifts) &&
        StartPcmStage(stages.voice, std::move(voice), source.layoutCode) &&
        StartPcmStage(stages.shift, std::move(shift), shiftLayout))
        return true;
    StopRunStages();
    ShowUserMessage(IDS_NOT_ENOUGH_MEMORY, ja::kNotEnoughMemory);
    return false;
}

uint32_t RunStagesRoom() {
    return PcmStageTailBytes(stages.voice);
}

void StopRunStages() {
    StopPcmStage(stages.voice);
    StopPcmStage(stages.shift);
}

uint32_t ProcessBuffer(FrameDisplay& display, const BufferRoles& roles, uint32_t byteCount,
                       bool endOfData) {
    if (!PcmStageOn(stages.voice)) {
        const PipelineInputs in = CurrentInputs(run.playing, endOfData);
        const int source = ApplyChannelOperation(controlState.channel, in.source, engine.buffer,
                                                 roles.channel, roles.source, byteCount);
        return ProcessFromPipeline(display, source, roles.target, byteCount, endOfData);
    }
    std::memmove(engine.buffer[roles.channel], engine.buffer[roles.source], byteCount);
    const uint32_t n = ProcessPcmStage(stages.voice, engine.buffer[roles.channel], byteCount,
                                       engine.bufferSize, endOfData);
    return ProcessFromPipeline(display, roles.channel, roles.target, n,
                               endOfData && !PcmStageOwesTail(stages.voice));
}

uint32_t TakeRunTail(FrameDisplay& display, const BufferRoles& roles) {
    while (PcmStageOwesTail(stages.voice)) {
        const uint32_t n =
            TakePcmStageTail(stages.voice, engine.buffer[roles.channel], engine.bufferSize);
        const uint32_t out = ProcessFromPipeline(display, roles.channel, roles.target, n,
                                                 !PcmStageOwesTail(stages.voice));
        if (out > 0) return out;
    }
    return TakePcmStageTail(stages.shift, engine.buffer[roles.target], engine.bufferSize);
}

bool RunOwesSound() {
    return PcmStageOwesTail(stages.voice) || PcmStageOwesTail(stages.shift);
}

void ReadParametricBands() {
    if (program.settings.fftmode != kFftModeParametric) return;
    parametricBands = ParametricBandsFromTexts(Host().ReadParametricTexts());
}

}  // namespace lomvex
