// The frame pipeline: output lengths of the worked examples, identity runs
// through both paths, clipping, mono output, display calls and the boxes.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "dsp/fft.h"
#include "dsp/frame_pipeline.h"
#include "base/messages.h"

namespace lomvex {
namespace {

struct FatalExit {
    int code;
};

// Records message boxes and display calls ("kind:label-or-text:number");
// a fatal box throws FatalExit.
class Recorder : public MessageSink, public FrameDisplay {
   public:
    std::vector<std::string> boxes, calls;
    std::vector<uint8_t> outputRows;
    std::string LoadText(int) override { return ""; }
    void Show(const MessageBoxRequest& box) override { boxes.push_back(box.text); }
    [[noreturn]] void Exit(int code) override { throw FatalExit{code}; }
    void DrawFrameWave(int n, uint8_t*, const double*, const char* label) override {
        calls.push_back("frame:" + std::string(label) + ":" + std::to_string(n));
    }
    void DrawSpectrum(int n, uint8_t*, const double*, const double*) override {
        calls.push_back("spectrum::" + std::to_string(n));
    }
    void DrawOutputWave(uint8_t* rows, int count) override {
        calls.push_back("output::" + std::to_string(count));
        outputRows.assign(rows, rows + count);
    }
    void DrawGraphText(int x, int y, const char* text) override {
        calls.push_back("text:" + std::string(text) + ":" + std::to_string(x) + "," +
                        std::to_string(y));
    }
};

std::vector<uint8_t> Pack16(const std::vector<int>& samples) {
    std::vector<uint8_t> bytes;
    for (int s : samples) bytes.push_back(s & 0xFF), bytes.push_back((s >> 8) & 0xFF);
    return bytes;
}

std::vector<int> Unpack16(const std::vector<uint8_t>& bytes) {
    std::vector<int> samples;
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        samples.push_back(static_cast<int16_t>(bytes[i] | bytes[i + 1] << 8));
    }
    return samples;
}

std::vector<int> Noise(size_t count, int amplitude, unsigned seed) {
    std::mt19937 rng(seed);
    std::vector<int> samples(count);
    for (int& s : samples) s = static_cast<int>(rng() % (2 * amplitude + 1)) - amplitude;
    return samples;
}

class DspPipeline : public ::testing::Test {
   protected:
    void SetUp() override { previousSink_ = SetMessageSink(&rec); }
    void TearDown() override {
        SetMessageSink(previousSink_);
        SetJapaneseMessages(false);
    }

    // A new run with frames of 2^fftparam points and window `mado`.
    void Start(int fftparam, int mado, int layoutCode = 3) {
        AllocFrameArrays(state, fftparam, mado);
        StartPipelineRun(state);
        in.frame.mado = mado;
        in.source.layoutCode = layoutCode;
    }

    // One buffer through the path `mado` selects, into a buffer of the
    // engine's capacity (the input plus N/2 frames) unless one is given.
    std::vector<uint8_t> Run(const std::vector<uint8_t>& input, bool last = false,
                             uint32_t capacity = 0) {
        in.endOfData = last;
        const uint32_t bytes = static_cast<uint32_t>(input.size());
        const uint32_t room = in.frame.mado == kWindowRect ? 0 : state.n / 2;
        if (capacity == 0) capacity = bytes + room * LayoutBytesPerFrame(in.source.layoutCode);
        std::vector<uint8_t> out(capacity, 0xA5);
        out.resize(ProcessFrames(state, rec, in, input.data(), out.data(), bytes, capacity));
        return out;
    }

    Recorder rec;
    PipelineState state;
    PipelineInputs in;

   private:
    MessageSink* previousSink_ = nullptr;
};

TEST_F(DspPipeline, WorkedExampleLengths) {
    const std::vector<uint8_t> short65 = Pack16(Noise(2 * 65, 5000, 1));
    Start(8, kWindowHann);
    EXPECT_EQ(Run(short65).size(), 0u);  // frame 1 waits for the next buffer
    Start(8, kWindowHann);
    EXPECT_EQ(Run(short65, true).size(), 65u * 4);

    const std::vector<uint8_t> steady = Pack16(Noise(2 * 4096, 5000, 2));
    Start(8, kWindowHann);
    EXPECT_EQ(Run(steady).size(), 3968u * 4);
    EXPECT_EQ(Run(steady).size(), 4096u * 4);
    EXPECT_EQ(Run(steady, true).size(), (4096u + 128) * 4);
    Start(8, kWindowTaper);  // k = 66, R = 63
    EXPECT_EQ(Run(steady).size(), 4033u * 4);
    EXPECT_EQ(Run(steady).size(), 4096u * 4);
    EXPECT_EQ(Run(steady, true).size(), (4096u + 63) * 4);
    StartPipelineRun(state);  // a new run starts afresh
    EXPECT_EQ(Run(steady).size(), 4033u * 4);
    Start(20, kWindowHann);  // held to the longest frame the ramps serve
    EXPECT_EQ(state.n, 65536);
    Start(7, kWindowTaper);  // what the Options dialog stores without a selection
    EXPECT_EQ(Run(steady, true).size(), steady.size());
    EXPECT_TRUE(rec.boxes.empty());
}

// Identity runs of uneven buffers through every path: each frame comes out
// once and in place. With buffers of at least N frames R >= N/7, so the ramp
// ripple stays below pi/(2R) (the block path is exact to 1); runs of tiny
// buffers of every layout keep the count.
TEST_F(DspPipeline, RunsOutputEveryFrameInPlace) {
    std::mt19937 rng(5);
    for (int mado : {kWindowHann, kWindowTaper, kWindowRect}) {
        for (int fftparam : {8, 10, 12}) {
            const int n = Pow2(fftparam);
            Start(fftparam, mado);
            std::vector<int> input, output;
            for (int b = 0; b < 8; ++b) {
                const std::vector<int> part = Noise(2 * (n + rng() % 9000), 8000, rng());
                input.insert(input.end(), part.begin(), part.end());
                const std::vector<int> out = Unpack16(Run(Pack16(part), b == 7));
                output.insert(output.end(), out.begin(), out.end());
            }
            ASSERT_EQ(output.size(), input.size()) << "mado " << mado << " N " << n;
            for (size_t i = 0; i < input.size(); ++i) {
                ASSERT_NEAR(output[i], input[i], std::fabs(input[i]) * 3.1416 * 7 / (2 * n) + 1)
                    << "mado " << mado << " N " << n << " sample " << i;
            }
        }
        for (int layout : {0, 1, 2, 3}) {
            Start(9, mado, layout);
            size_t inBytes = 0, outBytes = 0;
            for (int b = 0; b < 40; ++b) {
                std::vector<uint8_t> part((1 + rng() % 700) * LayoutBytesPerFrame(layout));
                for (uint8_t& byte : part) byte = static_cast<uint8_t>(rng());
                inBytes += part.size();
                outBytes += Run(part, b == 39).size();
            }
            EXPECT_EQ(outBytes, inBytes) << "mado " << mado << " layout " << layout;
        }
    }
}

TEST(DspPcmFrames, OutputIsClippedAndTruncated) {
    EXPECT_EQ(ToPcm16(32767.5), 32767);
    EXPECT_EQ(ToPcm16(-32768.5), -32768);
    EXPECT_EQ(ToPcm16(-0.9), 0);
    EXPECT_EQ(ToPcm16(NAN), 0);
    EXPECT_EQ(ToPcm8(-0.5), 127);
    EXPECT_EQ(ToPcm8(127.5), 255);
    EXPECT_EQ(ToPcm8(-128.5), 0);
    EXPECT_EQ(ToPcm8(NAN), 128);
    // Whole frames give each sample as ToPcm16 does, in both 16-bit layouts,
    // with and without the added arrays, and with a frame left over; read
    // back, they give the same samples.
    const std::vector<double> re = {32767.5, -32768.5, -0.9, NAN, 1e300, -INFINITY, 12.7},
                              im = {-3.99, 40000, -1e-300, 2.5, NAN, INFINITY, -12.7},
                              add = {0.5, -0.5, 1.0, -1.0, 0.25, 3.0, -0.75};
    for (int layout : {1, 3}) {
        for (const double* extra : {static_cast<const double*>(nullptr), add.data()}) {
            const int n = static_cast<int>(re.size());
            std::vector<uint8_t> out(n * LayoutBytesPerFrame(layout));
            WritePcmFrames(out.data(), layout, n, re.data(), im.data(), extra, extra);
            std::vector<double> backRe(n), backIm(n);
            ReadPcmFrames(out.data(), layout, n, backRe.data(), backIm.data());
            for (int t = 0; t < n; ++t) {
                const int c = LayoutChannels(layout);
                const double e = extra ? extra[t] : 0.0;
                EXPECT_EQ(ReadSample16(&out[2 * c * t]), ToPcm16(re[t] + e)) << t;
                EXPECT_EQ(backRe[t], ToPcm16(re[t] + e)) << t;
                if (c == 2) {
                    EXPECT_EQ(ReadSample16(&out[4 * t + 2]), ToPcm16(im[t] + e)) << t;
                    EXPECT_EQ(backIm[t], ToPcm16(im[t] + e)) << t;
                }
            }
        }
    }
}

TEST_F(DspPipeline, SavingMixedChannelsWritesMono) {
    const std::vector<int> samples = Noise(2 * 4096, 8000, 10);
    in.channelOperation = kChannelMinusOne;
    for (int mado : {kWindowRect, kWindowHann}) {
        for (bool playing : {false, true}) {  // the device keeps both channels
            Start(8, mado);
            in.playing = playing;
            const std::vector<int> out = Unpack16(Run(Pack16(samples), true));
            ASSERT_EQ(out.size(), samples.size() / (playing ? 1 : 2)) << mado;
            const size_t step = playing ? 1 : 2;  // mono: the first channel
            for (size_t i = 0; mado == kWindowRect && i < out.size(); ++i) {
                ASSERT_NEAR(out[i], samples[step * i], 1);
            }
        }
    }
}

TEST_F(DspPipeline, UnprocessableSoundPassesThrough) {
    in.frame.unitX = 8;
    in.frame.unitY = 16;
    in.source.formatTag = 85;
    const std::vector<uint8_t> input = Pack16(Noise(600, 3000, 11));
    Start(8, kWindowRect);
    EXPECT_EQ(Run(input), input);
    Start(8, kWindowTaper);
    SetJapaneseMessages(true);
    EXPECT_EQ(Run(input), input);
    EXPECT_EQ(Run({}).size(), 0u);  // nothing drawn for no bytes
    EXPECT_EQ(rec.calls, (std::vector<std::string>{
                             "text: Can't process, Not PCM  :8,292",
                             "text:  PCM\x82\xc5\x82\xc8\x82\xa2\x82\xbd\x82\xdf\x8f\x88\x97"
                             "\x9d\x95\x73\x94\x5c  :8,292"}));
}

TEST_F(DspPipeline, DisplayCalls) {
    in.frame.unitX = 8;
    in.frame.unitY = 16;
    Start(8, kWindowRect);
    const std::vector<uint8_t> silence(1000 * 4, 0);
    Run(silence);
    in.frame.viewItem = kViewWaveform;
    Run(silence);  // only the block that reaches the end
    EXPECT_EQ(rec.calls, (std::vector<std::string>{"spectrum::256", "frame:wav:256"}));

    Start(8, kWindowHann);
    rec.calls.clear();
    Run(std::vector<uint8_t>(4096 * 4, 0));
    ASSERT_EQ(rec.calls.size(), 32u + 2);  // every processed frame, then the buffer
    EXPECT_EQ(rec.calls[0], "frame:src:256");
    EXPECT_EQ(rec.calls[32], "text:ALL:266,332");
    EXPECT_EQ(rec.calls[33], "output::3968");
    EXPECT_EQ(rec.outputRows, std::vector<uint8_t>(3968, 50));

    // 8-bit mono output outgrows half the capacity in normal use: the
    // waveform shows what fits and the run goes on.
    Start(8, kWindowHann, 0);
    EXPECT_EQ(Run(std::vector<uint8_t>(4096, 128)).size(), 3968u);
    EXPECT_EQ(rec.calls.back(), "output::2112");  // (4096 + 128) / 2
    EXPECT_TRUE(rec.boxes.empty());
}

TEST_F(DspPipeline, CapacityAndConsistencyBoxes) {
    Start(8, kWindowHann);
    const std::vector<uint8_t> input = Pack16(Noise(2 * 4096, 3000, 13));
    Run(input);
    EXPECT_EQ(Run(input, false, 16000).size(), 16000u);  // cut, never written beyond
    EXPECT_EQ(rec.boxes, std::vector<std::string>{"384"});

    state.overlap.left = 200;  // 2 channels x 200 > 256
    try {
        Run(input);
        FAIL() << "no exit";
    } catch (const FatalExit& exit) {
        EXPECT_EQ(exit.code, 1);
    }
    EXPECT_EQ(rec.boxes.back(), "1 0 -400");
}

}  // namespace
}  // namespace lomvex
