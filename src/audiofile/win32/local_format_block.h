// The format record in a movable local memory block, locked while held.
#pragma once

#include <windows.h>

#include "audiofile/format_record.h"

namespace lomvex {

class LocalFormatBlock : public FormatBlock {
   public:
    ~LocalFormatBlock() override { Release(); }
    // Reports "no memory" or "memory lock failed" itself and returns null.
    uint8_t* Acquire(size_t size) override;
    void Release() override;
    uint8_t* Data() override { return data_; }
    size_t Size() const override { return size_; }

   private:
    HLOCAL handle_ = nullptr;
    uint8_t* data_ = nullptr;
    size_t size_ = 0;
};

}  // namespace lomvex
