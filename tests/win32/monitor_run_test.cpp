// The monitor run in process, over stand-in devices: the input's returned
// buffers drive it, Stop ends it on the first one that comes back, a
// start-up failure ends the same way, an output buffer the device still
// holds is never prepared again, and a re-entered handler is reported.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "base/program_state.h"
#include "base/run_state.h"
#include "engine/engine_texts.h"
#include "engine/win32/engine_state.h"
#include "engine/win32/monitor.h"
#include "engine/win32/playback.h"
#include "engine/win32/processing.h"
#include "engine/win32/wave_headers.h"
#include "engine/win32/wave_in_calls.h"
#include "engine/win32/wave_out_calls.h"
#include "win32/capturing_sink.h"
#include "win32/test_engine_host.h"

namespace lomvex {
namespace {

// What the devices were asked, in order: "in add 0", "out write 4", ...
std::vector<std::string> calls;
bool failStart = false;
bool failWrite = false;

std::string Named(const char* call, const WAVEHDR* header) {
    return std::string(call) + " " + std::to_string(header->dwUser & 0xFFFF);
}

// Stand-in devices: any non-null handle, every call recorded.
MMRESULT WINAPI InOpen(HWAVEIN* device, UINT, const WAVEFORMATEX*, DWORD_PTR, DWORD_PTR, DWORD) {
    *device = reinterpret_cast<HWAVEIN>(1);
    return MMSYSERR_NOERROR;
}
MMRESULT WINAPI InPrepare(HWAVEIN, WAVEHDR* header, UINT) {
    calls.push_back(Named("in prepare", header));
    return MMSYSERR_NOERROR;
}
MMRESULT WINAPI InAdd(HWAVEIN, WAVEHDR* header, UINT) {
    calls.push_back(Named("in add", header));
    return MMSYSERR_NOERROR;
}
MMRESULT WINAPI InUnprepare(HWAVEIN, WAVEHDR* header, UINT) {
    calls.push_back(Named("in unprepare", header));
    return MMSYSERR_NOERROR;
}
MMRESULT WINAPI InStart(HWAVEIN) {
    calls.push_back("in start");
    return failStart ? MMSYSERR_ERROR : MMSYSERR_NOERROR;
}
MMRESULT WINAPI InReset(HWAVEIN) {
    calls.push_back("in reset");
    return MMSYSERR_NOERROR;
}
MMRESULT WINAPI InClose(HWAVEIN) {
    calls.push_back("in close");
    return MMSYSERR_NOERROR;
}
MMRESULT WINAPI OutOpen(HWAVEOUT* device, UINT, const WAVEFORMATEX*, DWORD_PTR, DWORD_PTR, DWORD) {
    *device = reinterpret_cast<HWAVEOUT>(1);
    return MMSYSERR_NOERROR;
}
MMRESULT WINAPI OutPrepare(HWAVEOUT, WAVEHDR*, UINT) {
    calls.push_back("out prepare");
    return MMSYSERR_NOERROR;
}
MMRESULT WINAPI OutWrite(HWAVEOUT, WAVEHDR*, UINT) {
    calls.push_back("out write");
    return failWrite ? MMSYSERR_ERROR : MMSYSERR_NOERROR;
}
MMRESULT WINAPI OutUnprepare(HWAVEOUT, WAVEHDR*, UINT) {
    calls.push_back("out unprepare");
    return MMSYSERR_NOERROR;
}
MMRESULT WINAPI OutReset(HWAVEOUT) {
    calls.push_back("out reset");
    return MMSYSERR_NOERROR;
}
MMRESULT WINAPI OutClose(HWAVEOUT) {
    calls.push_back("out close");
    return MMSYSERR_NOERROR;
}

// A failure box inside the handler lets the next input buffer in, as the
// box's message loop would.
class ReenteringSink : public testing::CapturingSink {
   public:
    void Show(const MessageBoxRequest& box) override {
        CapturingSink::Show(box);
        if (reenter != nullptr) {
            WAVEHDR* header = reenter;
            reenter = nullptr;
            OnRecordBufferDone(header);
        }
    }
    WAVEHDR* reenter = nullptr;
};

class MonitorRunTest : public ::testing::Test {
   protected:
    void SetUp() override {
        ASSERT_TRUE(AllocWaveHeaders());
        host.window = CreateWindowA("STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
        program = ProgramState{};
        program.windowsVersion = 0x0601;
        program.settings.levelwarning = 0;
        run = RunState{};
        run.mode = kEngineMonitor;
        AllocFrameArrays(pipelineState, program.settings.fftparam, program.settings.mado);
        calls.clear();
        waveIn = WaveInCalls{InOpen, InPrepare, InAdd, InUnprepare, InStart, InReset, InClose};
        waveOut = WaveOutCalls{OutOpen, OutPrepare, OutWrite, OutUnprepare, OutReset, OutClose};
    }
    void TearDown() override {
        CloseOpenFile();
        waveIn = WaveInCalls{};
        waveOut = WaveOutCalls{};
        failStart = failWrite = false;
        FreeWaveHeaders();
        DestroyWindow(host.window);
        program = ProgramState{};
        run = RunState{};
    }
    // Input buffer `i` comes back with `bytes` recorded.
    void Return(int i, DWORD bytes) {
        waveHeader[i]->dwBytesRecorded = bytes;
        calls.clear();
        OnRecordBufferDone(waveHeader[i]);
    }

    ReenteringSink sink;
    testing::TestEngineHost host;
};

TEST_F(MonitorRunTest, InputDrivesTheRunAndStopEndsItOnTheFirstReturnedBuffer) {
    StartMonitor();
    ASSERT_TRUE(run.playing);
    EXPECT_EQ(calls, (std::vector<std::string>{"in prepare 0", "in add 0", "in prepare 1", "in add 1",
                                               "in prepare 2", "in add 2", "in prepare 3", "in add 3",
                                               "in start"}));
    const DWORD bytes = run.oneTimeLength;
    Return(0, bytes);  // played through output buffer 4, then queued again
    EXPECT_EQ(calls, (std::vector<std::string>{"in unprepare 0", "out prepare", "out write",
                                               "in prepare 0", "in add 0"}));
    // What counts as monitored is what was played: the overlap path holds
    // half a frame back at first.
    EXPECT_GT(run.bytesPlayed, bytes / 2);
    EXPECT_LE(run.bytesPlayed, bytes);
    Return(1, 0);  // nothing recorded: nothing played, queued again
    EXPECT_EQ(calls, (std::vector<std::string>{"in unprepare 1", "in prepare 1", "in add 1"}));
    Return(0, bytes);  // the device still holds output buffer 4: skipped
    EXPECT_EQ(calls, (std::vector<std::string>{"in unprepare 0", "in prepare 0", "in add 0"}));
    OnMonitorOutputDone(waveHeader[4]);
    Return(0, bytes);  // returned, so played again
    EXPECT_EQ(calls, (std::vector<std::string>{"in unprepare 0", "out prepare", "out write",
                                               "in prepare 0", "in add 0"}));

    host.calls.clear();
    calls.clear();
    StopMonitor();
    EXPECT_EQ(calls, std::vector<std::string>{"in reset"});
    EXPECT_EQ(host.calls, (std::vector<std::string>{"engine off", "idle on"}));
    EXPECT_TRUE(run.playing);
    Return(2, bytes);  // the first returned buffer ends the run, unplayed
    EXPECT_FALSE(run.playing);
    EXPECT_EQ(calls.front(), "in unprepare 2");
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "out write"), 0);
    // The input is closed before the output is reset and closed.
    auto at = [&](const char* call) { return std::find(calls.begin(), calls.end(), call) - calls.begin(); };
    EXPECT_LT(at("in close"), at("out reset"));
    EXPECT_LT(at("out reset"), at("out close"));
    EXPECT_LT(at("out close"), static_cast<long>(calls.size()));
    Return(3, bytes);  // the rest are ignored
    EXPECT_TRUE(calls.empty());
    EXPECT_TRUE(sink.boxes.empty());
}

TEST_F(MonitorRunTest, AnInputThatWillNotStartEndsThroughItsReturningBuffers) {
    failStart = true;
    StartMonitor();
    ASSERT_EQ(sink.boxes.size(), 1u);
    EXPECT_EQ(sink.boxes[0].text, "Rec failed");
    EXPECT_EQ(calls.back(), "in reset");
    EXPECT_TRUE(run.playing);
    Return(0, 0);
    EXPECT_FALSE(run.playing);
    EXPECT_EQ(engine.input, nullptr);
    EXPECT_EQ(engine.output, nullptr);
    EXPECT_EQ(host.calls.back(), "idle on");
}

TEST_F(MonitorRunTest, AHandlerEnteredAgainFromItsOwnBoxIsReported) {
    StartMonitor();
    failWrite = true;
    sink.reenter = waveHeader[1];
    Return(0, run.oneTimeLength);
    ASSERT_EQ(sink.boxes.size(), 2u);
    EXPECT_EQ(sink.boxes[0].text, "waveOutWrite");
    EXPECT_EQ(sink.boxes[1].text, ja::kReentry);
    EXPECT_TRUE(run.playing);
}

}  // namespace
}  // namespace lomvex
