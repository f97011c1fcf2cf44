// Platform side of the file reader.
#include "audiofile/win32/play_file_binding.h"

#include <mmsystem.h>

#include <algorithm>
#include <cstring>

#include "audiofile/win32/mmio_riff_file.h"
#include "display/format_state.h"
#include "display/win32/status_panel.h"
#include "shell/shell_state.h"

namespace lomvex {

OpenedPlayFile playFile;
LocalFormatBlock fileFormat;

std::unique_ptr<RiffFile> WindowsPlayFileHost::OpenFile(const std::string& path) {
    return MmioRiffFile::Open(path);
}

void WindowsPlayFileHost::ShowFormat(const uint8_t* record, size_t) {
    formatState = DescribeFormat(record);
    PaintFormat();
}

void WindowsPlayFileHost::ShowLength(uint32_t dataSize) { lomvex::ShowLength(dataSize); }

unsigned WindowsPlayFileHost::QueryOutputFormat(const uint8_t* record, size_t size) {
    // A 16-byte PCM record has no cbSize; give the device a zero one.
    uint8_t format[sizeof(WAVEFORMATEX)] = {};
    const uint8_t* query = record;
    if (size < sizeof format) {
        std::memcpy(format, record, std::min(size, sizeof format));
        query = format;
    }
    return waveOutOpen(nullptr, WAVE_MAPPER, reinterpret_cast<const WAVEFORMATEX*>(query), 0, 0,
                       WAVE_FORMAT_QUERY);
}

unsigned WindowsPlayFileHost::WindowsVersion() { return shell.windowsVersion; }

bool OpenPlayFile() {
    WindowsPlayFileHost host;
    return OpenPlayFile(shell.currentPath, host, fileFormat, playFile);
}

}  // namespace lomvex
