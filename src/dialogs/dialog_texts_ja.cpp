// Japanese texts of the dialogs, written in UTF-8 here and compiled to
// Shift-JIS bytes.
#include "dialogs/dialog_texts.h"

namespace lomvex::ja {

const char kThreeDimension[] = "３Ｄ表示(\x1eT\x1fｻ)";

// Options.
const char kOptionCaption[] = "オプション設定";
const char kOptionRateLabel[] = "再生速度(&R):";
const char kOptionPitchLabel[] = "ピッチ";
const char kOptionTempoLabel[] = "テンポ(&E)";
const char kOptionLengthLabel[] = "一度に処理するﾃﾞｰﾀ長(&T)";
const char kOptionPeakLabel[] = "ﾋﾟｰｸﾎｰﾙﾄﾞ(&P)";
const char kOptionPeakOff[] = "Off";
const char kOptionPeakDecay[] = "減衰";
const char kOptionPeakConst[] = "定常";
const char kOptionSmooth[] = "連続(&S)";
const char kOptionDbDisplay[] = "db表示(&D)";
const char kOptionMonochrome[] = "ﾓﾉｸﾛ(&C)";
const char kOptionFftSizeLabel[] = "分解能(&N)";
const char kOptionWindowLabel[] = "窓関数(&W)";
const char kOptionModeGroup[] = "ｲｺﾗｲｼﾞﾝｸﾞﾓｰﾄﾞ(&M)";
const char kOptionGraphic[] = "ｸﾞﾗﾌｨｯｸ ｲｺﾗｲｻﾞｰ";
const char kOptionParametric[] = "ﾊﾟﾗﾒﾄﾘｯｸ ｲｺﾗｲｻﾞｰ";
const char kOptionEasy[] = "簡易設定";
const char kOptionCopyValue[] = "ｽｸﾛｰﾙﾊﾞｰの値をｸﾘｯﾌﾟﾎﾞｰﾄﾞにｺﾋﾟｰ(&V)";
const char kOptionLevelWarning[] = "演奏終了時にレベル警告を出す(&L)";
const char kOptionKeepTempo[] = "テンポを保つ(&K)";
const char kOptionVoiceGroup[] = "ボーカル除去";
const char kOptionVoiceClassic[] = "従来のL-R(モノラル)(&A)";
const char kOptionVoiceStereo[] = "ステレオのまま(&O)";
const char kCancel[] = "ｷｬﾝｾﾙ";
const char* const kLengthItems[8] = {"３秒",  "１.５秒", "１秒",   "1/3秒",
                                     "1/5秒", "1/11秒",  "1/22秒", "1/43秒"};
const char* const kLengthItemsSpelled[8] = {"３秒",     "１.５秒",   "１秒",      "3分の1秒",
                                            "5分の1秒", "11分の1秒", "22分の1秒", "43分の1秒"};
const char* const kWindowItems[3] = {"ﾊﾆﾝｸﾞ", "ﾃｰﾊﾟｰ", "方形"};

// Record setup.
const char kRecordCaption[] = "録音ポートをモニタする";
const char kRecordRateGroup[] = "周波数(&F)";
const char kRecordChannelGroup[] = "チャンネル数(&C)";
const char kRecordStereo[] = "ｽﾃﾚｵ";
const char kRecordMonaural[] = "ﾓﾉﾗﾙ";
const char kRecordBitsGroup[] = "ビット数(&I)";

// About box.
const char kAboutVersionSpelled[] = "lomvex Version 0点02";
const char kAboutWordSize[] = "32 bit 版";
const char kAboutDeviceFormat[] = "録音ﾃﾞﾊﾞｲｽ=%2d個  再生ﾃﾞﾊﾞｲｽ=%2d個";
const char kAboutPurpose[] = "伴奏トラック作成";
const char kAboutHelpName[] = "ﾍﾙﾌﾟ: lomvex.htm";
const char kAboutHelpPlace[] = "lomvex.exeと同じﾌｫﾙﾀﾞ";

// Wave information.
const char kInfoFrequencyLabel[] = "周波数";
const char kInfoChannelsLabel[] = "ﾁｬﾝﾈﾙ数";
const char kInfoBitRateLabel[] = "ﾋﾞｯﾄﾚｰﾄ";
const char kInfoBitsLabel[] = "ビット数";
const char kInfoTotalTimeLabel[] = "時間";
const char kInfoDataSizeLabel[] = "ﾃﾞｰﾀ ｻｲｽﾞ";
const char kInfoDetailButton[] = "詳細(&D)";
const char kInfoSecondsFormat[] = "%6.1f 秒";
const char kPointWord[] = "点";

// Wave detail.
const char kDetailHintRiffSizeSpelled[] = "FileSizeﾏｲﾅｽ8";
const char kDetailHintByteRate[] = "Sample×Block";
const char kDetailHintBlockAlign[] = "ﾁｬﾈﾙ×Bits/8";
const char kDetailHintChannels[] = "1:ﾓﾉ  2:ｽﾃﾚｵ";
const char kDetailMonaural[] = "モノラル";
const char kDetailStereo[] = "ステレオ";
const char kDetailMicrosecondsFormat[] = "%.0f ﾏｲｸﾛ秒";
const char kDetailInfiniteSeconds[] = "∞ 秒";
const char kDetailMillisecondsFormat[] = "%.3fミリ秒";
const char kDetailUnknownSeconds[] = "不明 sec";

}  // namespace lomvex::ja
