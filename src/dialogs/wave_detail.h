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
#include "resources/ids.h"

namespace lomvex {

// Control ids: value fields in the middle column, hints in the right one.
namespace detail_ids {
constexpr int kOk = 1;
constexpr int kRiffId = IDC_DETAIL_RIFF_ID;
constexpr int kRiffSize = IDC_DETAIL_RIFF_SIZE;
constexpr int kRiffType = IDC_DETAIL_RIFF_TYPE;
constexpr int kChunkId = IDC_DETAIL_CHUNK_ID;
constexpr int kChunkSize = IDC_DETAIL_CHUNK_SIZE;
constexpr int kTag = IDC_DETAIL_TAG;
constexpr int kChannels = IDC_DETAIL_CHANNELS;
constexpr int kRate = IDC_DETAIL_RATE;
constexpr int kByteRate = IDC_DETAIL_BYTE_RATE;
constexpr int kBlockAlign = IDC_DETAIL_BLOCK_ALIGN;
constexpr int kBits = IDC_DETAIL_BITS;
constexpr int kCbSize = IDC_DETAIL_CB_SIZE;
constexpr int kNextChunkId = IDC_DETAIL_NEXT_CHUNK_ID;
constexpr int kNextChunkSize = IDC_DETAIL_NEXT_CHUNK_SIZE;
constexpr int kFileSize = IDC_DETAIL_FILE_SIZE;
constexpr int kTagHint = IDC_DETAIL_TAG_HINT;  // "PCM:1"
constexpr int kTotalTime = IDC_DETAIL_TOTAL_TIME;
constexpr int kLastChunkIdHint = IDC_DETAIL_LAST_CHUNK_ID_HINT;    // blank
constexpr int kLastChunkSizeHint = IDC_DETAIL_LAST_CHUNK_SIZE_HINT;  // "RS-fCS-20"
constexpr int kRateHint = IDC_DETAIL_RATE_HINT;           // "SamplePerSec"
constexpr int kChannelsHint = IDC_DETAIL_CHANNELS_HINT;       // "1:mon  2:ste"
constexpr int kByteRateHint = IDC_DETAIL_BYTE_RATE_HINT;       // "Sample*Block"
constexpr int kBlockAlignHint = IDC_DETAIL_BLOCK_ALIGN_HINT;     // "Ch * Bits / 8"
constexpr int kBitsHint = IDC_DETAIL_BITS_HINT;           // blank
constexpr int kCbSizeHint = IDC_DETAIL_CB_SIZE_HINT;         // "PCM:0 AD:32"
constexpr int kRiffSizeHint = IDC_DETAIL_RIFF_SIZE_HINT;       // "FileSize-8"
constexpr int kRiffTypeHint = IDC_DETAIL_RIFF_TYPE_HINT;       // blank
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
