// The A-B loop's seam: where playing goes on from the loop's Start after
// its End, a short cross-fade from the sound that follows End into the
// sound from Start, so that the seam has no gap and no click.
#pragma once

#include <cstdint>

namespace lomvex {

constexpr double kLoopFadeSeconds = 0.015;

// The frames of the cross-fade at `sampleRate` (at least 1).
uint32_t LoopFadeFrames(double sampleRate);

// In place over the first `frames` frames of `head` (`headBytes` of PCM in
// `layout`: bit 0 16-bit, bit 1 stereo): the sound from Start fades in as
// `tail` (what follows End, `tailBytes`) fades out. A missing or short
// tail counts as silence, so the head then fades in from silence.
void CrossFadeLoopSeam(uint8_t* head, uint32_t headBytes, const uint8_t* tail, uint32_t tailBytes,
                       uint32_t frames, int layout);

}  // namespace lomvex
