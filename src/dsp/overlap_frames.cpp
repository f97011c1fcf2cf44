// The overlap path: frames with raised-cosine rising and falling regions
// (and a flat middle for "taper"), each falling region added to the next
// frame's rising region after both went through the spectrum.
//
// A buffer of S sample frames is cut into k equal segments of R frames, the
// fewest whose R fits the frame (N/2 for "Hann", N/4 for "taper", k a
// multiple of 3 for "taper"). The last frame of every buffer only reads and
// weights its rising region and waits in its pair for the next buffer, which
// outputs it together with the previous frame's falling region; the
// end-of-data buffer processes that frame at once and so flushes the lag.
#include <algorithm>
#include <cstdio>

#include "dsp/fft.h"
#include "dsp/frame_pipeline.h"
#include "dsp/pipeline_common.h"
#include "dsp/ramp_table.h"
#include "base/messages.h"

namespace lomvex {
namespace {

// Fewest segments: the smallest k (a multiple of `multiple`) with
// ceil(S/k) <= limit. ceil(S/k) <= limit holds exactly when k >= S/limit.
int64_t SegmentCount(int64_t frames, int64_t limit, int64_t multiple) {
    const int64_t k = (frames + limit - 1) / limit;
    return std::max<int64_t>(multiple, (k + multiple - 1) / multiple * multiple);
}

// The segment lengths of this buffer. `left` is set afresh only for the
// first buffer of a run; later it is the previous buffer's last `right`.
void ChooseSegments(OverlapState& o, int mado, int n, int64_t frames, bool firstBuffer) {
    const bool taper = mado == kWindowTaper;
    const int64_t k = SegmentCount(frames, taper ? n / 4 : n / 2, taper ? 3 : 1);
    const int64_t r = (frames + k - 1) / k;
    o.right = static_cast<int>(r);
    if (taper) {
        if (firstBuffer) o.left = o.right;
        o.center = static_cast<int>(frames < 3 * r ? frames - r : 2 * r);
    } else {
        // The first frame's rising region takes what k - 1 full segments leave.
        if (firstBuffer) o.left = static_cast<int>(frames - (k - 1) * r);
        o.center = 0;
    }
}

void RiseRamp(double* re, double* im, int length) {
    if (length <= 0) return;
    const double* w = RampFor(length);
    for (int i = 0; i < length; ++i) {
        re[i] *= w[i];
        im[i] *= w[i];
    }
}

void FallRamp(double* re, double* im, int end, int length) {
    if (length <= 0) return;
    const double* w = RampFor(length);
    for (int i = 0; i < length; ++i) {
        re[end - 1 - i] *= w[i];
        im[end - 1 - i] *= w[i];
    }
}

// Row of the output waveform for the first channel of output frame i.
uint8_t OutputRow(const uint8_t* out, int layout, int64_t i) {
    const uint8_t* p = out + i * LayoutBytesPerFrame(layout);
    double s;
    if (layout & kLayout16Bit) {
        s = ReadSample16(p) * (1.0 / 32768);
    } else {
        s = (p[0] - 128) * (1.0 / 128);
    }
    return static_cast<uint8_t>(s * 50.0 + 50.0);
}

}  // namespace

uint32_t ProcessOverlapFrames(PipelineState& state, FrameDisplay& display, const PipelineInputs& in,
                              const uint8_t* source, uint8_t* out, uint32_t byteCount,
                              uint32_t capacity) {
    OverlapState& o = state.overlap;
    if (byteCount == 0) return 0;
    if (!state.pair[1].re) {
        // Without pair 1 (no memory for it, or no arrays at all) only whole
        // blocks can be processed.
        return ProcessBlockFrames(state, display, in, source, out, std::min(byteCount, capacity));
    }
    if (!IsProcessable(in.source)) {
        const uint32_t copied = std::min(byteCount, capacity);
        PassThroughUnprocessed(display, in, source, out, copied);
        return copied;
    }

    const int n = state.n;
    const int inLayout = in.source.layoutCode;
    const int outLayout = OutputLayoutCode(in);
    const int channels = LayoutChannels(inLayout);
    const bool stereo = channels == 2;
    const int64_t inFrameBytes = LayoutBytesPerFrame(inLayout);
    const int64_t outFrameBytes = LayoutBytesPerFrame(outLayout);
    const int64_t outFrameRoom = capacity / outFrameBytes;
    const bool waveform = in.frame.viewItem == kViewWaveform;
    const DisplayScratch scratch = TakeDisplayScratch(state, in, capacity / 2);
    const bool firstBuffer = state.processedBuffers == 0;

    // Segment lengths; the first frame starts `left` frames before the buffer.
    const int64_t frames = byteCount / inFrameBytes;
    ChooseSegments(o, in.frame.mado, n, frames, firstBuffer);
    int64_t b = -o.left;
    int64_t consumed = 0;
    int64_t outFrames = 0;
    if (static_cast<int64_t>(o.left) * channels > n) {
        char text[64];
        std::snprintf(text, sizeof text, "%d %d %ld", 1, 0, -static_cast<long>(o.left) * channels);
        ShowFatal(text);
    }
    // A new run starts from silent frame pairs.
    if (firstBuffer) {
        for (int p = 0; p < 2; ++p) {
            ZeroDoubles(state.pair[p].re, n);
            ZeroDoubles(state.pair[p].im, n);
        }
    }

    // The frames of this buffer.
    for (int f = 0;; ++f) {
        double* re = state.pair[o.pairIndex].re;
        double* im = state.pair[o.pairIndex].im;
        const double* prevRe = state.pair[1 - o.pairIndex].re;
        const double* prevIm = state.pair[1 - o.pairIndex].im;
        const int total = o.left + o.center + o.right;
        if (total > n) ShowFatal("leftright");

        // Read; in the first frame the rising region still holds what the
        // previous buffer's last frame read and weighted.
        int64_t u = f == 0 ? o.left : 0;
        u = std::max(u, -b);
        const int64_t count = std::max<int64_t>(0, std::min<int64_t>(total - u, frames - (b + u)));
        if (count > 0) {
            ReadPcmFrames(source + (b + u) * inFrameBytes, inLayout, static_cast<int>(count),
                          re + u, im + u);
        }
        const int stop = static_cast<int>(u + count);
        ZeroDoubles(re + stop, n - stop);
        ZeroDoubles(stereo ? im + stop : im, stereo ? n - stop : n);

        if (f > 0) RiseRamp(re, im, o.left);
        if (o.right == 0 && !in.endOfData) break;
        FallRamp(re, im, total, o.right);

        if (waveform) display.DrawFrameWave(n, scratch.bytes, re, "src");
        Fft(state.fft, re, im, kFftForward);
        if (in.equalizer) {
            ApplyEqualizer(*in.equalizer, in.source.sampleRate, in.channelOperation, re, im, n);
        }
        if (f == 0 && !waveform) display.DrawSpectrum(n, scratch.bytes, re, im);
        Fft(state.fft, re, im, kFftInverse);

        // Overlap output: the previous frame's falling region plus this
        // frame's rising region; nothing precedes the first frame of a run.
        if (!(firstBuffer && f == 0)) {
            if (o.left + o.oldleft + o.oldcenter > n) ShowFatal("oldleft");
            const int fall = o.oldleft + o.oldcenter;
            const int64_t room = std::clamp<int64_t>(outFrameRoom - outFrames, 0, o.left);
            WritePcmFrames(out + outFrames * outFrameBytes, outLayout, static_cast<int>(room),
                           prevRe + fall, prevIm + fall, re, im);
            outFrames += o.left;
        }
        if (o.center > 0) {
            if (o.center + o.left > n) ShowFatal("center+left");
            const int64_t room = std::clamp<int64_t>(outFrameRoom - outFrames, 0, o.center);
            WritePcmFrames(out + outFrames * outFrameBytes, outLayout, static_cast<int>(room),
                           re + o.left, im + o.left);
            outFrames += o.center;
        }

        // Advance to the next frame.
        b += o.left + o.center;
        consumed += o.center + o.right;
        o.oldleft = o.left;
        o.pairIndex = 1 - o.pairIndex;
        o.oldcenter = o.center;
        o.left = o.right;

        // Shorten at the end of the input.
        const int64_t remaining = frames - consumed;
        if (o.center > 0 && remaining < o.right + o.center) {
            o.center = static_cast<int>(std::max<int64_t>(remaining - o.right, 0));
        }
        if (remaining < o.right) o.right = static_cast<int>(remaining);
        if (o.right < 0) {
            ShowDiagnostic("right<0");
            break;
        }
        if (o.left + o.center <= 0 || b * inFrameBytes >= byteCount) break;
    }

    // The whole buffer's output waveform, 50 = silence.
    if (waveform) {
        display.DrawGraphText(in.frame.unitX + 258, 17 * in.frame.unitY + 60, "ALL");
        const int64_t count =
            std::min({outFrames, static_cast<int64_t>(capacity / 2), outFrameRoom});
        if (count > static_cast<int64_t>(scratch.size)) ShowFatal("WriteSample");
        for (int64_t i = 0; i < count; ++i) scratch.bytes[i] = OutputRow(out, outLayout, i);
        display.DrawOutputWave(scratch.bytes, static_cast<int>(count));
    }

    // Count the buffer; an output that would pass the capacity is cut there.
    if (state.processedBuffers != UINT32_MAX) ++state.processedBuffers;
    int64_t outBytes = outFrames * outFrameBytes;
    if (outBytes > capacity) {
        char text[32];
        std::snprintf(text, sizeof text, "%ld", static_cast<long>(outBytes - capacity));
        ShowDiagnostic(text);
        outBytes = capacity;
    }
    return static_cast<uint32_t>(outBytes);
}

}  // namespace lomvex
