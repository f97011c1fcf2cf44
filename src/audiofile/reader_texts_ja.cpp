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
const char kBadChannels[] =
    "このファイルは %u チャンネルです。再生できるのはモノラルとステレオだけです。";
const char kBadRate[] =
    "このファイルのサンプリング周波数は %lu Hz です。再生できるのは 8000～96000 Hz だけです。";
const char kBadBits[] =
    "このファイルは %u ビットです。再生できるのは 8 ビットと 16 ビットの PCM だけです。";
const char kBadBlock[] =
    "このファイルのブロック長 (%u バイト) "
    "がチャンネル数とビット数に合いません。ファイルが壊れています。";
const char kOggNotVorbis[] =
    "この Ogg ファイルの中身は %s で、Vorbis ではありません。再生できるのは Ogg Vorbis だけです。";
const char kOggChained[] =
    "この Ogg ファイルには複数のストリームが続いています。再生できるのは 1 ストリームの Ogg Vorbis "
    "だけです。";
const char kOggDamaged[] = "この Ogg Vorbis ファイルは壊れていて、デコードできません。";

}  // namespace lomvex::ja
