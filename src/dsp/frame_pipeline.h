// The frame pipeline: every buffer the engine plays, monitors or saves goes
// from PCM to frames of doubles, through the forward FFT, the equalizer and
// the inverse FFT, and back to PCM with silent clipping.
//
// Two paths, chosen by the window setting `mado`:
//  - 2 "Rect": ProcessBlockFrames, independent blocks of N sample frames,
//    output exactly as long as the input;
//  - 0 "Hann", 1 "taper": ProcessOverlapFrames, weighted frames that overlap
//    by one ramp region and are added back together. State is carried from
//    buffer to buffer: the first buffer of a run outputs less than it gets
//    (the last rising region waits for the next buffer), the buffer with the
//    end-of-data flag flushes it, so a whole run outputs exactly as many
//    sample frames as it received.
//
// Pairing rules: AllocFrameArrays before the first buffer and again whenever
// the transform length changes (never during a run); StartPipelineRun at the
// start of every play, monitor or save run. Before AllocFrameArrays the sound
// passes unchanged; without frame pair 1 the overlap path falls back to
// whole blocks.
#pragma once

#include <cstdint>
#include <memory>

#include "dsp/channel_operation.h"
#include "dsp/equalizer.h"
#include "dsp/fft.h"
#include "dsp/frame_display.h"
#include "dsp/pcm_frames.h"

namespace lomvex {

constexpr int kWindowHann = 0;
constexpr int kWindowTaper = 1;
constexpr int kWindowRect = 2;

// Settings the pipeline reads (settings file and layout).
struct FrameSettings {
    int mado = kWindowHann;          // 0 Hann, 1 taper, 2 Rect
    int viewItem = kViewOctaveBars;  // 197 waveform, 198 octave bars, 199 spectrum
    uint32_t deltatime = 4096;       // one-time units; sizes the display scratch
    int unitX = 0;                   // layout units, for the texts drawn in the graph area
    int unitY = 0;
};

// Everything one call needs besides the buffers.
struct PipelineInputs {
    FrameSettings frame;
    PcmSource source;
    int channelOperation = kChannelNothing;
    bool playing = false;                          // a device runs; clear while saving
    bool endOfData = false;                        // this buffer holds the last data of the file
    const EqualizerSettings* equalizer = nullptr;  // null leaves the spectrum as it is
};

// The overlap path's frame geometry, carried from buffer to buffer.
struct OverlapState {
    int pairIndex = 0;  // frame pair of the current frame
    int left = 0;       // rising region of the current frame
    int center = 0;     // flat region
    int right = 0;      // falling region
    int oldleft = 0;    // left and center of the previous frame
    int oldcenter = 0;
};

// The pipeline's state, one per process (the engine holds it): two frame
// pairs of N doubles (left or only channel in re, right channel in im), the
// transform's tables for N, the overlap geometry, the number of buffers
// handled since the run started and the display scratch.
struct PipelineState {
    int m = 0;  // transform length exponent the arrays were made for
    int n = 0;  // Pow2(m); 0 until AllocFrameArrays
    FramePair pair[2];
    FftTables fft;  // made with the arrays, so no buffer computes a twiddle
    OverlapState overlap;
    uint32_t processedBuffers = 0;
    // Bytes handed to the display routines, kept from buffer to buffer and
    // grown only when a buffer needs more (see TakeDisplayScratch).
    std::unique_ptr<uint8_t[]> displayScratch;
    size_t displayScratchSize = 0;
};

// Frees the frame arrays and allocates four arrays of Pow2(fftparam) doubles
// (fftparam is held to 2 .. 16, the lengths the ramp table serves) and the
// transform's tables for that length. Without memory for pair 0 or the
// tables: "nomem" and the process ends with exit code 1. Without memory for
// pair 1: "nomem" is shown and `mado` becomes 2, so only the block path
// (pair 0) is used.
void AllocFrameArrays(PipelineState& state, int fftparam, int& mado);

// A play, monitor or save run starts: the next overlap buffer starts afresh.
void StartPipelineRun(PipelineState& state);

// The layout written: the source's, but one channel while saving with
// "L+R(monaural)" or "L-R(minusOne)".
int OutputLayoutCode(const PipelineInputs& in);

// Processes `byteCount` bytes of `source` into `out` (at least byteCount
// bytes). Returns the output length: byteCount, or byteCount/2 when the
// output is mono and the source stereo.
uint32_t ProcessBlockFrames(PipelineState& state, FrameDisplay& display, const PipelineInputs& in,
                            const uint8_t* source, uint8_t* out, uint32_t byteCount);

// Processes `byteCount` bytes of `source` into `out`, which holds `capacity`
// bytes. Returns the output length in bytes, never more than `capacity`; 0
// when the buffer only filled the next frame's rising region.
uint32_t ProcessOverlapFrames(PipelineState& state, FrameDisplay& display, const PipelineInputs& in,
                              const uint8_t* source, uint8_t* out, uint32_t byteCount,
                              uint32_t capacity);

// The path that `mado` selects; returns the output length in bytes.
uint32_t ProcessFrames(PipelineState& state, FrameDisplay& display, const PipelineInputs& in,
                       const uint8_t* source, uint8_t* out, uint32_t byteCount, uint32_t capacity);

}  // namespace lomvex
