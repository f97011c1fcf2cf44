// Japanese texts of the engine, written in UTF-8 here and compiled to
// Shift-JIS bytes.
#include "engine/engine_texts.h"

namespace lomvex::ja {

const char kHeaderAllocFailed[] = "ヘッダー確保失敗";
const char kHeaderLockFailed[] = "ヘッダーロック失敗";
const char kNotEnoughMemory[] = "メモリ不足です。";
const char kDataLockFailed[] = "データ チャンクのロックに失敗しました。%d %ld";
const char kCantReadData[] = "データチャンクを読み取れません。%d %ld";
const char kHeaderFailed[] = "ウェーブヘッダーの準備ができません";
const char kWaveOutWriteFailed[] = "デバイスへの出力に失敗しました。";
const char kSoundInUse[] = "他のソフトがサウンドを使っています。";
const char kNotPcm[] = "PCMでないため処理不能";
const char kCantOpenWriteFile[] = "書き込みファイルを開けません。";
const char kCantCreateRiff[] = "RIFFチャンクが作成できません";
const char kCantCreateFmt[] = "FMTチャンクが作成できません";
const char kCantCreateData[] = "データチャンクを作成できません";
const char kCantOpenInput[] = "音声入力デバイスを開けません。";
const char kAddBufferFailed[] = "バッファの登録に失敗";
const char kRecFailed[] = "録音失敗";
const char kReentry[] = "さいにゅう";
const char kSaveOntoSource[] = "再生中のファイルには保存できません。別の名前を選んでください。";

}  // namespace lomvex::ja
