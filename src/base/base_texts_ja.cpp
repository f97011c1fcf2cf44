// Japanese texts of the message module and the device messages, written in
// UTF-8 here and compiled to Shift-JIS bytes.
#include "base/base_texts.h"

namespace lomvex::ja {

const char kErrorCaption[] = "エラー";
const char kBadDeviceId[] = "範囲外のデバイスIDが指定されました。";
const char kDeviceNoMemory[] = "メモリの割り当てができません。";
const char kNoPlayDriver[] = "この形式を再生できるドライバがありません。";
const char kNoRecordDriver[] = "サウンドドライバは、この形式を録音できません。";
const char kCantOpenOutput[] = "音声出力デバイスを開けません。";
const char kQueryBadId[] = "デバイスIDがおかしい";
const char kQueryAllocated[] = "すでに割り当てられている";
const char kQueryNoDriver[] = "ドライバが無い";
const char kQueryNoMemory[] = "メモリの割り当て等ができない";
const char kQueryNotSync[] = "WAVE_ALLOWSYNCを指定してない";
const char kQueryUnknown[] = "不明なエラー";

}  // namespace lomvex::ja
