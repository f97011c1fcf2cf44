// Opening a sound file for playing or saving: the kind is decided by
// content (RIFF "WAVE", another RIFF form holding MPEG audio, raw MPEG
// audio, Ogg), the format record is kept, the output device is asked
// whether it takes the format, and the file is left at its first data byte.
//
// Every failure is reported here in a message box; the caller only learns
// success or failure.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "audiofile/format_record.h"
#include "audiofile/lame_tag.h"
#include "audiofile/riff_file.h"

namespace lomvex {

enum class FileKind { None, Wav, Rmp, Mp3, Ogg };

// What the reader needs from the platform and the displays.
class PlayFileHost {
   public:
    virtual ~PlayFileHost() = default;
    // Opens the file for reading; null when it cannot be opened.
    virtual std::unique_ptr<RiffFile> OpenFile(const std::string& path) = 0;
    // Records the format state and draws the rate and size texts.
    virtual void ShowFormat(const uint8_t* record, size_t size) = 0;
    // Redraws the length text for the data size now known.
    virtual void ShowLength(uint32_t dataSize) = 0;
    // Asks the wave mapper, without opening it, whether it plays `record`;
    // returns the multimedia result (0 when it does).
    virtual unsigned QueryOutputFormat(const uint8_t* record, size_t size) = 0;
    // Major × 256 + minor version of the running Windows.
    virtual unsigned WindowsVersion() = 0;
};

struct OpenedPlayFile {
    std::unique_ptr<RiffFile> file;  // null when nothing is open
    FileKind kind = FileKind::None;
    uint32_t dataSize = 0;
    uint32_t remaining = 0;  // data bytes not yet read
    // An MP3 whose LAME tag gives the encoder's delay and padding.
    bool gapless = false;
    GaplessInfo gaplessInfo;

    void Close() {
        file.reset();
        kind = FileKind::None;
        gapless = false;
    }
};

// The longest path the program keeps (the platform's MAX_PATH less the NUL).
constexpr size_t kMaxPathLength = 259;

// Opens `path` into `opened` and its format record into `block`; returns
// true on success. On failure the file is closed and the record freed.
bool OpenPlayFile(const std::string& path, PlayFileHost& host, FormatBlock& block,
                  OpenedPlayFile& opened);

}  // namespace lomvex
