// Wave header blocks.
#include "engine/win32/wave_headers.h"

#include "engine/engine_texts.h"
#include "base/messages.h"
#include "resources/ids.h"

namespace lomvex {

WAVEHDR* waveHeader[kWaveHeaderCount];

namespace {

HGLOBAL headerBlock[kWaveHeaderCount];

}  // namespace

bool AllocWaveHeaders() {
    for (int i = 0; i < kWaveHeaderCount; ++i) {
        headerBlock[i] = GlobalAlloc(GMEM_MOVEABLE | GMEM_SHARE | GMEM_ZEROINIT, sizeof(WAVEHDR));
        if (headerBlock[i] == nullptr) {
            ShowUserMessage(IDS_HEADER_ALLOC_FAILED, ja::kHeaderAllocFailed);
            return false;
        }
        waveHeader[i] = static_cast<WAVEHDR*>(GlobalLock(headerBlock[i]));
        if (waveHeader[i] == nullptr) {
            ShowUserMessage(IDS_HEADER_LOCK_FAILED, ja::kHeaderLockFailed);
            GlobalFree(headerBlock[i]);
            headerBlock[i] = nullptr;
            return false;
        }
    }
    return true;
}

void FreeWaveHeaders() {
    for (int i = 0; i < kWaveHeaderCount; ++i) {
        if (headerBlock[i] == nullptr) continue;
        GlobalUnlock(headerBlock[i]);
        GlobalFree(headerBlock[i]);
        headerBlock[i] = nullptr;
        waveHeader[i] = nullptr;
    }
}

bool WaveHeadersReady() {
    for (WAVEHDR* header : waveHeader)
        if (header == nullptr) return false;
    return true;
}

}  // namespace lomvex
