// Japanese texts of the file reader, written in UTF-8 here and compiled to
// Shift-JIS bytes.
#include "audiofile/reader_texts.h"

namespace lomvex::ja {

const char kFileNameMissing[] = "ファイル名が未入力。";
const char kCantOpenFile[] = "ファイルを開けません。";
const char kNotRiffFile[] = "指定したファイルは、RIFFファイルではありません。";
const char kNotWaveFile[] = "指定したファイルは、WAVEファイルではありません。";
const char kRiffNoData[] = "RIFFファイルにデータ チャンクがありません。";
const char kWaveNoData[] = "WAVEファイルにデータ チャンクがありません。";
const char kFileDestroyed[] = "WAVEファイルが壊れています。";
const char kCantReadFmt[] = "形式チャンクを読み取れません。";
const char kNoMemory[] = "極度のメモリ不足です。";
const char kMemoryLockFailed[] = "メモリのロックに失敗しました。";
const char kDataEmpty[] = "データ チャンクが空です。";
const char kOutputAllocated[] = "他のソフトが再生回路を使っています。";
const char kPathTooLong[] = "ファイル名が長すぎます。";

}  // namespace lomvex::ja
