// Platform side of the file reader.
#include "engine/win32/open_play_file.h"

// clang-format off
#include <windows.h>
#include <mmsystem.h>
// clang-format on

#include <vector>

#include "audiofile/format_state.h"
#include "audiofile/win32/mmio_riff_file.h"
#include "audiofile/win32/play_file_binding.h"
#include "base/program_state.h"
#include "display/win32/status_panel.h"
#include "engine/win32/engine_host.h"
#include "engine/win32/play_jump.h"

namespace lomvex {

std::unique_ptr<RiffFile> WindowsPlayFileHost::OpenFile(const std::string& path) {
    return MmioRiffFile::Open(path);
}

void WindowsPlayFileHost::ShowFormat(const uint8_t* record, size_t) {
    formatState = DescribeFormat(record);
    PaintFormat();
    Host().FormatShown();
}

void WindowsPlayFileHost::ShowLength(uint32_t dataSize) { lomvex::ShowLength(dataSize); }

unsigned WindowsPlayFileHost::QueryOutputFormat(const uint8_t* record, size_t size) {
    std::vector<uint8_t> copy(record, record + size);
    DeviceFormat format(copy.data(), copy.size());
    return waveOutOpen(nullptr, WAVE_MAPPER, format.get(), 0, 0, WAVE_FORMAT_QUERY);
}

unsigned WindowsPlayFileHost::WindowsVersion() { return program.windowsVersion; }

bool OpenPlayFile() {
    WindowsPlayFileHost host;
    if (!OpenPlayFile(program.currentPath, host, fileFormat, playFile)) return false;
    MeasurePositionByteRate();
    return true;
}

}  // namespace lomvex
