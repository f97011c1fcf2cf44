// The open input file of the program and its format record.
#pragma once

// clang-format off
#include <windows.h>
#include <mmsystem.h>
// clang-format on

#include <cstdint>

#include "audiofile/play_file.h"
#include "audiofile/win32/local_format_block.h"

namespace lomvex {

extern OpenedPlayFile playFile;
extern LocalFormatBlock fileFormat;

// A format record as the wave functions take it: the record itself, or,
// for a 16-byte PCM record that has no cbSize, a copy with a zero one.
class DeviceFormat {
   public:
    DeviceFormat(uint8_t* record, size_t size);
    DeviceFormat(const DeviceFormat&) = delete;
    DeviceFormat& operator=(const DeviceFormat&) = delete;
    uint8_t* bytes() { return record_; }
    const WAVEFORMATEX* get() const { return reinterpret_cast<const WAVEFORMATEX*>(record_); }

   private:
    uint8_t padded_[sizeof(WAVEFORMATEX)] = {};
    uint8_t* record_;
};

}  // namespace lomvex
