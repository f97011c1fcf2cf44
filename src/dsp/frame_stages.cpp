// The stages over their states: each call passes straight through.
#include "dsp/frame_stages.h"

#include <new>

#include "dsp/pitch_shift.h"
#include "dsp/voice_removal.h"

namespace lomvex {
namespace {

class PitchShiftStage final : public FrameStage {
   public:
    PitchShiftState state;
    int Latency() const override { return PitchShiftLatency(state); }
    void Process(double* first, double* second, int count) override {
        ShiftPitch(state, first, second, count);
    }
    void Flush(double* first, double* second) override { FlushPitchShift(state, first, second); }
};

class VoiceRemovalStage final : public FrameStage {
   public:
    VoiceRemovalState state;
    int Latency() const override { return VoiceRemovalLatency(state); }
    void Process(double* first, double* second, int count) override {
        RemoveVoice(state, first, second, count);
    }
    void Flush(double* first, double* second) override { FlushVoiceRemoval(state, first, second); }
};

}  // namespace

std::unique_ptr<FrameStage> MakePitchShiftStage(double sampleRate, int channels, double semitones) {
    std::unique_ptr<PitchShiftStage> stage(new (std::nothrow) PitchShiftStage);
    if (!stage || !StartPitchShift(stage->state, sampleRate, channels)) return nullptr;
    SetPitchShift(stage->state, semitones);
    return stage;
}

std::unique_ptr<FrameStage> MakeVoiceRemovalStage(double sampleRate) {
    std::unique_ptr<VoiceRemovalStage> stage(new (std::nothrow) VoiceRemovalStage);
    if (!stage || !StartVoiceRemoval(stage->state, sampleRate)) return nullptr;
    return stage;
}

}  // namespace lomvex
