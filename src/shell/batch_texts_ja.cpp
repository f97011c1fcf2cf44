// Japanese texts of the batch save, written in UTF-8 here and compiled to
// Shift-JIS bytes.
#include "shell/batch_texts.h"

namespace lomvex::ja {

const char kBatchSavedFormat[] = "保存  %s -> %s (%s)";
const char kBatchSavedNoteFormat[] = "保存  %s -> %s (%s) 注意: %s";
const char kBatchFailedFormat[] = "失敗  %s: %s";
const char kBatchSummaryFormat[] = "保存 %u 件、失敗 %u 件";
const char kBatchUsage[] = "使い方: lomvex.exe /S [/O フォルダ] [/C n] ファイルまたはフォルダ ...";
const char kBatchStoppedByClose[] = "ウィンドウが閉じられたため中止しました";
const char kBatchStoppedByStop[] = "停止ボタンで中止しました";
const char kBatchNotReached[] = "一括保存が中止されたため保存していません";
const char kBatchSaveFailed[] = "保存できませんでした";
const char kBatchPathTooLong[] = "パスが長すぎます";
const char kBatchOutputPathTooLong[] = "保存先のパスが長すぎます";
const char kBatchOutputFolderFailed[] = "保存先のフォルダを作成できません";
const char kBatchOutputTaken[] = "この一括保存の前のファイルが同じ名前で保存されています";
const char kBatchOutputIsASource[] = "保存先がこの一括保存の元のファイルを上書きしてしまいます";
const char kBatchReportNotWritten[] = "報告ファイルを書き込めません";
const char kBatchWithAutoPlay[] = "/P と /S は同時に指定できません";
const char kBatchMissingFolder[] = "/O の後に保存先のフォルダを指定してください";
const char kBatchFolderTooLongFormat[] = "保存先のフォルダのパスが長すぎます: %s";
const char kBatchBadChannelFormat[] = "/C には 0、1、2、3 のいずれかを指定してください: %s";
const char kBatchUnknownOptionFormat[] = "不明なオプションです: %s";
const char kBatchNothingToDo[] = "保存するファイルがありません";

}  // namespace lomvex::ja
