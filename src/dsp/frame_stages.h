// The streaming stages a run can hold, each made as a FrameStage
// (frame_stage.h) over its own state.
#pragma once

#include <memory>

#include "dsp/frame_stage.h"

namespace lomvex {

// The transposition and tempo (pitch_shift.h) for `channels` (1 or 2) at
// `sampleRate` Hz, shifted by `semitones`, at `tempo` percent, never set
// slower than `slowestTempo`. Null when the memory cannot be had.
std::unique_ptr<FrameStage> MakePitchShiftStage(double sampleRate, int channels, double semitones,
                                                double tempo, double slowestTempo);

// The stereo voice removal (voice_removal.h) at `sampleRate` Hz. Null when
// the memory cannot be had or the rate is refused.
std::unique_ptr<FrameStage> MakeVoiceRemovalStage(double sampleRate);

}  // namespace lomvex
