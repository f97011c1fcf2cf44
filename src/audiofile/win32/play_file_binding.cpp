// The open input file and the device's view of its format record.
#include "audiofile/win32/play_file_binding.h"

#include <algorithm>
#include <cstring>

namespace lomvex {

OpenedPlayFile playFile;
LocalFormatBlock fileFormat;

DeviceFormat::DeviceFormat(uint8_t* record, size_t size) : record_(record) {
    if (size >= sizeof padded_) return;
    std::memcpy(padded_, record, std::min(size, sizeof padded_));
    record_ = padded_;
}

}  // namespace lomvex
