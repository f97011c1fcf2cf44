// Local memory for the format record.
#include "audiofile/win32/local_format_block.h"

#include "audiofile/reader_texts.h"
#include "base/messages.h"
#include "resources/ids.h"

namespace lomvex {

uint8_t* LocalFormatBlock::Acquire(size_t size) {
    Release();
    handle_ = LocalAlloc(LMEM_MOVEABLE | LMEM_ZEROINIT, size);
    if (handle_ == nullptr) {
        ShowUserMessage(IDS_NO_MEMORY, ja::kNoMemory);
        return nullptr;
    }
    data_ = static_cast<uint8_t*>(LocalLock(handle_));
    if (data_ == nullptr) {
        ShowUserMessage(IDS_MEMORY_LOCK_FAILED, ja::kMemoryLockFailed);
        LocalFree(handle_);
        handle_ = nullptr;
        return nullptr;
    }
    size_ = size;
    return data_;
}

void LocalFormatBlock::Release() {
    if (handle_ == nullptr) return;
    LocalUnlock(handle_);
    LocalFree(handle_);
    handle_ = nullptr;
    data_ = nullptr;
    size_ = 0;
}

}  // namespace lomvex
