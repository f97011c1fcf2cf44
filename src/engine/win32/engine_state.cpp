// Engine state, wave buffers and process priority.
#include "engine/win32/engine_state.h"

#include <cstring>

#include "dsp/pcm_frames.h"
#include "engine/engine_texts.h"
#include "engine/win32/wave_in_calls.h"
#include "engine/win32/wave_out_calls.h"
#include "base/messages.h"
#include "resources/ids.h"

namespace lomvex {

EngineState engine;
WaveOutCalls waveOut;
WaveInCalls waveIn;

bool AllocWaveBuffers(int count, uint32_t size, unsigned bits) {
    FreeWaveBuffers();
    for (int i = 0; i < count; ++i) {
        engine.bufferBlock[i] = GlobalAlloc(GMEM_MOVEABLE | GMEM_SHARE, size);
        if (engine.bufferBlock[i] == nullptr) {
            engine.bufferCount = i;
            FreeWaveBuffers();
            ShowUserMessage(IDS_NOT_ENOUGH_MEMORY, ja::kNotEnoughMemory);
            return false;
        }
        engine.buffer[i] = static_cast<uint8_t*>(GlobalLock(engine.bufferBlock[i]));
        if (engine.buffer[i] == nullptr) {
            engine.bufferCount = i + 1;
            ShowUserMessage(IDS_DATA_LOCK_FAILED, ja::kDataLockFailed, i,
                            static_cast<long>(run.oneTimeLength));
            FreeWaveBuffers();
            return false;
        }
        std::memset(engine.buffer[i], SilenceByte(bits), size);
    }
    engine.bufferCount = count;
    engine.bufferSize = size;
    return true;
}

void FreeWaveBuffers() {
    for (int i = 0; i < engine.bufferCount; ++i) {
        if (engine.bufferBlock[i] == nullptr) continue;
        if (engine.buffer[i] != nullptr && GlobalUnlock(engine.bufferBlock[i]))
            ShowDiagnostic("GlobalUnlock");
        engine.buffer[i] = nullptr;
        if (GlobalFree(engine.bufferBlock[i]) != nullptr) ShowDiagnostic("GlobalFree");
        engine.bufferBlock[i] = nullptr;
    }
    engine.bufferCount = 0;
    engine.bufferSize = 0;
}

void SetPlayPriority(bool on) {
    engine.priorityRaised = on;
    SetPriorityClass(GetCurrentProcess(), on ? REALTIME_PRIORITY_CLASS : NORMAL_PRIORITY_CLASS);
    SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_NORMAL);
}

}  // namespace lomvex
