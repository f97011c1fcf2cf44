// A streaming stage over frames of doubles: what a run puts after (or, for
// the voice removal, in place of) the channel operation, holding state from
// buffer to buffer.
//
// Every stage has one shape. It is made (and allocates) when a run starts
// and destroyed when it ends; in between it processes blocks of any size in
// place, and its output lags its input by a fixed Latency of frames: the
// first Latency output frames of a stream come before the input's start,
// and Flush writes the last Latency frames, as if that much silence
// followed the input. pcm_stage.h turns this into PCM buffers of a run that
// keep the run's length.
#pragma once

namespace lomvex {

class FrameStage {
   public:
    virtual ~FrameStage() = default;
    // The output lag in frames, fixed for the stage's life.
    virtual int Latency() const = 0;
    // Processes `count` frames of `first` (and `second` for two channels;
    // null for one) in place.
    virtual void Process(double* first, double* second, int count) = 0;
    // Writes the stream's last Latency frames into `first` (and `second`).
    virtual void Flush(double* first, double* second) = 0;
};

}  // namespace lomvex
