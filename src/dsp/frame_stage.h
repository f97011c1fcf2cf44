// A streaming stage over frames of doubles: what a run puts after (or, for
// the voice removal, in place of) the channel operation, holding state from
// buffer to buffer.
//
// Every stage has one shape. It is made (and allocates) when a run starts
// and destroyed when it ends; in between it takes blocks of any size and
// writes the output they make due, and its output lags its input by a fixed
// Latency of frames: the first Latency output frames of a stream come
// before the input's start, and Flush writes the rest, as if silence
// followed the input. Most stages keep the length (as many frames out as
// in, Flush writing the last Latency frames); a change of tempo does not.
// pcm_stage.h turns this into PCM buffers of a run.
#pragma once

namespace lomvex {

class FrameStage {
   public:
    virtual ~FrameStage() = default;
    // The output lag in frames, fixed for the stage's life.
    virtual int Latency() const = 0;
    // The most frames Process writes for `count` input frames, and the most
    // Flush writes.
    virtual int MostOutput(int count) const { return count; }
    virtual int MostFlush() const { return Latency(); }
    // Takes `count` frames of `first` (and `second` for two channels; null
    // for one) and writes the output due to `outFirst` (and `outSecond`),
    // arrays apart from the input that hold MostOutput(count) frames;
    // returns the frames written.
    virtual int Process(const double* first, const double* second, int count, double* outFirst,
                        double* outSecond) = 0;
    // Writes the rest of the stream into `first` (and `second`), which hold
    // MostFlush frames; returns the frames written.
    virtual int Flush(double* first, double* second) = 0;
    // A stage that changes the tempo takes a new one (percent) from its
    // next block on; the others ignore it.
    virtual void SetTempo(double /*percent*/) {}
};

}  // namespace lomvex
