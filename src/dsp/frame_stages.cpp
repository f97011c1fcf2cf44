// The stages over their states: each call passes straight through.
#include "dsp/frame_stages.h"

#include <algorithm>
#include <new>

#include "dsp/pitch_shift.h"
#include "dsp/voice_removal.h"

namespace lomvex {
namespace {

class PitchShiftStage final : public FrameStage {
   public:
    PitchShiftState state;
    int Latency() const override { return PitchShiftLatency(state); }
    int MostOutput(int count) const override { return PitchShiftMostOutput(state, count); }
    int MostFlush() const override { return PitchShiftMostFlush(state); }
    int Process(const double* first, const double* second, int count, double* outFirst,
                double* outSecond) override {
        return ShiftPitch(state, first, second, count, outFirst, outSecond);
    }
    int Flush(double* first, double* second) override {
        return FlushPitchShift(state, first, second);
    }
    void SetTempo(double percent) override { lomvex::SetTempo(state, percent); }
};

// The voice removal works in place: the input is moved to the output first.
class VoiceRemovalStage final : public FrameStage {
   public:
    VoiceRemovalState state;
    int Latency() const override { return VoiceRemovalLatency(state); }
    int Process(const double* first, const double* second, int count, double* outFirst,
                double* outSecond) override {
        std::copy(first, first + count, outFirst);
        std::copy(second, second + count, outSecond);
        RemoveVoice(state, outFirst, outSecond, count);
        return count;
    }
    int Flush(double* first, double* second) override {
        FlushVoiceRemoval(state, first, second);
        return Latency();
    }
};

}  // namespace

std::unique_ptr<FrameStage> MakePitchShiftStage(double sampleRate, int channels, double semitones,
                                                double tempo, double slowestTempo) {
    std::unique_ptr<PitchShiftStage> stage(new (std::nothrow) PitchShiftStage);
    if (!stage || !StartPitchShift(stage->state, sampleRate, channels, slowestTempo))
        return nullptr;
    SetPitchShift(stage->state, semitones);
    SetTempo(stage->state, tempo);
    return stage;
}

std::unique_ptr<FrameStage> MakeVoiceRemovalStage(double sampleRate) {
    std::unique_ptr<VoiceRemovalStage> stage(new (std::nothrow) VoiceRemovalStage);
    if (!stage || !StartVoiceRemoval(stage->state, sampleRate)) return nullptr;
    return stage;
}

}  // namespace lomvex
