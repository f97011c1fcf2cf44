// The wave detail dialog ("INFODETAIL", title "Wave Detail") without the
// platform: it reads the file itself, field by field, and shows the raw
// RIFF header values next to short explanations; for MP3, RMP, Ogg and
// WAV files holding MPEG Layer-3 it adds the MPEG or Ogg parser's dumps in
// a text box that widens the dialog.
//
// The Win32 side opens the file (an MmioRiffFile serves both the plain
// field reads and the chunk descent), looks up its size, calls
// DescribeWaveDetail, sets every text it returns and, when asked to, creates
// the text box with the dump.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "audiofile/riff_file.h"
#include "dialogs/control_texts.h"

namespace lomvex {

// Control ids: value fields in the middle column, hints in the right one.
namespace detail_ids {
constexpr int kOk = 1;
constexpr int kRiffId = 161;
constexpr int kRiffSize = 162;
constexpr int kRiffType = 163;
constexpr int kChunkId = 164;
constexpr int kChunkSize = 165;
constexpr int kTag = 166;
constexpr int kChannels = 167;
constexpr int kRate = 168;
constexpr int kByteRate = 169;
constexpr int kBlockAlign = 170;
constexpr int kBits = 171;
constexpr int kCbSize = 172;
constexpr int kNextChunkId = 173;
constexpr int kNextChunkSize = 174;
constexpr int kFileSize = 176;
constexpr int kTagHint = 177;  // "PCM:1"
constexpr int kTotalTime = 178;
constexpr int kLastChunkIdHint = 179;    // blank
constexpr int kLastChunkSizeHint = 180;  // "RS-fCS-20"
constexpr int kRateHint = 181;           // "SamplePerSec"
constexpr int kChannelsHint = 182;       // "1:mon  2:ste"
constexpr int kByteRateHint = 183;       // "Sample*Block"
constexpr int kBlockAlignHint = 184;     // "Ch * Bits / 8"
constexpr int kBitsHint = 185;           // blank
constexpr int kCbSizeHint = 186;         // "PCM:0 AD:32"
constexpr int kRiffSizeHint = 187;       // "FileSize-8"
constexpr int kRiffTypeHint = 188;       // blank
}  // namespace detail_ids

// What kind of file the walk found.
enum class DetailKind {
    Plain = 0,    // RIFF of any form but "RMP3" without MPEG Layer-3, or not readable
    NotRiff = 1,  // raw MPEG audio, Ogg, or anything else
    RiffMp3 = 2,  // RIFF of form "RMP3"
    WaveMp3 = 3,  // RIFF whose "fmt " tag is 85 (MPEG Layer-3)
};

// The platform's name for a format tag the fixed table does not name (the
// compression manager's format-tag details); "" when it has none.
using FormatTagLookup = std::function<std::string(uint16_t tag)>;

struct WaveDetailInputs {
    bool japanese = false;
    bool useclip = false;
    bool fileSizeKnown = false;  // the file system gave the file's size
    uint64_t fileSize = 0;
    FormatTagLookup lookupTagName;  // may be empty: unnamed tags stay "unknown"
};

struct WaveDetail {
    DetailKind kind = DetailKind::Plain;
    // Every text the initialization sets: the labels it changes, the value
    // fields it clears (162..174, 178) and those it fills, the hints.
    ControlTexts texts;
    // Kinds 1..3: widen the dialog with a read-only multi-line text box
    // holding `dump` ("\r\n" line ends; may be empty when no parser
    // recognised the data).
    bool showDump = false;
    std::string dump;
};

// Walks `file` (null when it cannot be opened: then only the file size is
// shown) and returns what the dialog shows. Reads only what the file holds:
// chunk sizes past its end, short chunks and zero rates show what can be
// shown, never more. The MPEG parser may show its diagnostic boxes through
// the message module, as it does when a file is opened.
WaveDetail DescribeWaveDetail(RiffFile* file, const WaveDetailInputs& inputs);

// The total-time text of the dialog for `size` data bytes at `byteRate`:
// with `useclip` and less than a second "%.3f msec" (Japanese "%.3fミリ秒")
// of milliseconds, else "%f sec" of seconds, or "unknown sec" (Japanese
// "不明 sec") without a byte rate.
std::string DetailTimeText(uint32_t size, uint32_t byteRate, bool japanese, bool useclip);

}  // namespace lomvex
