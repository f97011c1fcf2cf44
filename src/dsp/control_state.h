// The sound parameters the control panel holds, outside the settings: the
// channel operation with the balance, and the Easy Setting check boxes. The
// commands and scroll handlers write them; the channel operation and the
// equalizer read them. Process-wide, one instance.
#pragma once

#include "dsp/channel_operation.h"
#include "dsp/equalizer.h"

namespace lomvex {

struct ControlState {
    // operation: id of the checked radio button, 511..514 (starts 511);
    // balance: the balance scrollbar's position, -128..128 (starts 0).
    ChannelSettings channel;
    // The nine check boxes 547..555 (all start unchecked).
    EasySetting easy;

    // The octave factor of the voice cuts: 2 while "Octave Cut" is checked.
    int OctaveFactor() const { return easy.octaveCut ? 2 : 1; }
};

extern ControlState controlState;

}  // namespace lomvex
