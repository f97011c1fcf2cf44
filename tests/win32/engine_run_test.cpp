// The run lifecycle in process, over the real wave mapper: a start that
// fails part-way releases exactly what it acquired, in the safe order, and
// buffers the device hands back meanwhile change nothing.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "audiofile/win32/play_file_binding.h"
#include "base/program_state.h"
#include "base/run_state.h"
#include "common/riff_builder.h"
#include "engine/win32/engine_state.h"
#include "engine/win32/playback.h"
#include "engine/win32/processing.h"
#include "engine/win32/wave_headers.h"
#include "engine/win32/wave_out_calls.h"
#include "resources/ids.h"
#include "win32/capturing_sink.h"
#include "win32/test_engine_host.h"

namespace lomvex {
namespace {

// What the device was asked, in order: "prepare 1", "reset", ...
std::vector<std::string> deviceCalls;
int failingPrepare = -1;  // the ring index whose prepare fails

std::string Named(const char* call, const WAVEHDR* header) {
    return std::string(call) + " " + std::to_string(header->dwUser & 0xFFFF);
}

MMRESULT WINAPI RecordingPrepare(HWAVEOUT device, WAVEHDR* header, UINT size) {
    deviceCalls.push_back(Named("prepare", header));
    if (static_cast<int>(header->dwUser & 0xFFFF) == failingPrepare) return MMSYSERR_NOMEM;
    return waveOutPrepareHeader(device, header, size);
}

DWORD openedRate = 0;  // the sample rate the device was last opened at

MMRESULT WINAPI RecordingOpen(HWAVEOUT* device, UINT id, const WAVEFORMATEX* format, DWORD_PTR callback,
                              DWORD_PTR instance, DWORD flags) {
    openedRate = format->nSamplesPerSec;
    return waveOutOpen(device, id, format, callback, instance, flags);
}

MMRESULT WINAPI RecordingUnprepare(HWAVEOUT device, WAVEHDR* header, UINT size) {
    deviceCalls.push_back(Named("unprepare", header));
    return waveOutUnprepareHeader(device, header, size);
}

MMRESULT WINAPI RecordingReset(HWAVEOUT device) {
    deviceCalls.push_back("reset");
    return waveOutReset(device);
}

MMRESULT WINAPI RecordingClose(HWAVEOUT device) {
    deviceCalls.push_back("close");
    return waveOutClose(device);
}

// While the failure box is open the device may hand a buffer back: the sink
// delivers one, as the box's message loop would.
class BufferReturningSink : public testing::CapturingSink {
   public:
    void Show(const MessageBoxRequest& box) override {
        CapturingSink::Show(box);
        if (waveHeader[0] && waveHeader[0]->lpData) OnPlayBufferDone(waveHeader[0]);
    }
};

class EngineRunTest : public ::testing::Test {
   protected:
    void SetUp() override {
        ASSERT_TRUE(AllocWaveHeaders());
        host.window = CreateWindowA("STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
        program = ProgramState{};
        program.windowsVersion = 0x0601;
        program.settings.levelwarning = 0;
        program.currentPath = WriteSong();
        run = RunState{};
        run.mode = kEnginePlay;
        run.hasOutputDevice = true;
        int mado = program.settings.mado;
        AllocFrameArrays(pipelineState, program.settings.fftparam, mado);
        deviceCalls.clear();
        waveOut.open = RecordingOpen;
        waveOut.prepare = RecordingPrepare;
        waveOut.unprepare = RecordingUnprepare;
        waveOut.reset = RecordingReset;
        waveOut.close = RecordingClose;
    }
    void TearDown() override {
        StopPlayback();
        waveOut = WaveOutCalls{};
        failingPrepare = -1;
        FreeWaveHeaders();
        DestroyWindow(host.window);
        DeleteFileA(program.currentPath.c_str());
        program = ProgramState{};
        run = RunState{};
    }

    // Ten one-time lengths of 16-bit stereo sound at 44.1 kHz.
    static std::string WriteSong() {
        char temp[MAX_PATH], name[MAX_PATH];
        GetTempPathA(sizeof temp, temp);
        GetTempFileNameA(temp, "lmv", 0, name);
        testing::Bytes wave = testing::PcmWave(2, 44100, 16, 10 * 4096 * 4);
        std::ofstream(name, std::ios::binary)
            .write(reinterpret_cast<const char*>(wave.data()), static_cast<std::streamsize>(wave.size()));
        return name;
    }

    BufferReturningSink sink;
    testing::TestEngineHost host;
};

TEST_F(EngineRunTest, AFailedQueueResetsTheDeviceBeforeReleasingItsBuffers) {
    failingPrepare = 2;
    StartPlayback();

    EXPECT_EQ(sink.Texts(), std::vector<std::string>{LoadText(IDS_HEADER_FAILED)});
    // Headers 0 and 1 were queued: the device lets go of them (reset) before
    // they are unprepared; the returned buffer refilled nothing meanwhile.
    EXPECT_EQ(deviceCalls, (std::vector<std::string>{"prepare 0", "prepare 1", "prepare 2", "reset",
                                                     "unprepare 0", "unprepare 1", "close"}));
    EXPECT_EQ(engine.output, nullptr);
    EXPECT_EQ(engine.bufferCount, 0);
    EXPECT_FALSE(run.playing);
    EXPECT_FALSE(playFile.file);
    EXPECT_EQ(fileFormat.Data(), nullptr);
    EXPECT_EQ(host.calls, (std::vector<std::string>{"format shown", "idle off", "idle on"}));

    // The next start reads the file afresh and plays.
    failingPrepare = -1;
    sink.boxes.clear();
    StartPlayback();
    EXPECT_TRUE(sink.boxes.empty());
    EXPECT_TRUE(run.playing);
    EXPECT_EQ(host.calls.back(), "engine on");
}

TEST_F(EngineRunTest, StopReleasesEverythingOnceAndIgnoresReturnedBuffers) {
    StartPlayback();
    ASSERT_TRUE(run.playing);
    deviceCalls.clear();
    StopPlayback();
    EXPECT_EQ(deviceCalls, (std::vector<std::string>{"reset", "unprepare 0", "unprepare 1", "unprepare 2",
                                                     "unprepare 3", "close"}));
    // The reset's buffer-done messages, and a second stop, change nothing.
    MSG message;
    while (PeekMessageA(&message, host.window, 0, 0, PM_REMOVE))
        if (message.message == MM_WOM_DONE) OnPlayBufferDone(reinterpret_cast<WAVEHDR*>(message.lParam));
    StopPlayback();
    EXPECT_EQ(deviceCalls.size(), 6u);
    EXPECT_TRUE(sink.boxes.empty());
    EXPECT_EQ(host.calls, (std::vector<std::string>{"format shown", "idle off", "engine on",
                                                    "engine off", "idle on"}));
}

// The playing rate reaches the device when the next playback starts: one
// octave up doubles the rate, one step of 1/120 octave adds 0.58 %.
TEST_F(EngineRunTest, PlaybackOpensTheDeviceAtThePlayingRate) {
    for (auto [rate, expected] : {std::pair{120, 88200u}, {1, 44355u}, {-120, 22050u}}) {
        program.playingRate = rate;
        StartPlayback();
        EXPECT_EQ(openedRate, expected) << rate;
        EXPECT_TRUE(run.playing);
        StopPlayback();
    }
    EXPECT_TRUE(sink.boxes.empty());
}

// With the tempo kept the device runs at the file's own rate and the
// buffers carry the transposition.
TEST_F(EngineRunTest, KeepingTheTempoOpensTheDeviceAtTheFileRate) {
    program.settings.keeptempo = 1;
    for (int rate : {120, 20, -120}) {
        program.playingRate = rate;
        StartPlayback();
        EXPECT_EQ(openedRate, 44100u) << rate;
        EXPECT_TRUE(run.playing);
        StopPlayback();
    }
    EXPECT_TRUE(sink.boxes.empty());
}

}  // namespace
}  // namespace lomvex
