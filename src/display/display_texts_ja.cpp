// Japanese texts of the displays, written in UTF-8 here and compiled to
// Shift-JIS bytes.
#include "display/display_texts.h"

namespace lomvex::ja {

const char kMeterCantDisplay[] = "レベル表示不可";
const char kMeterLeftLabel[] = "ＬＥＦＴ";
const char kMeterRightLabel[] = "ＲＩＧＨＴ";
const char kWarningMaxLevelFormat[] = "最大レベル %+.1fdb";
const char kWarningMaxLevelSpelledFormat[] = "最大ﾚﾍﾞﾙ %+.1fﾃﾞｼﾍﾞﾙ ";
const char kWarningOverTimesFormat[] = "\nレベルオーバー回数 %ld回";
const char kWarningOverTimesSpelledFormat[] = "\nﾚﾍﾞﾙｵｰﾊﾞｰ回数 %ld回 ";
const char kWarningTooHigh[] = "\nレベルが高すぎます";
const char kWarningTooLow[] = "\nレベルが低すぎます";
const char kWarningMinusWord[] = "ﾏｲﾅｽ";
const char kWarningPlusWord[] = "ﾌﾟﾗｽ";
const char kWarningPointWord[] = "点";

const char kBandKiloLabelFormat[] = "%dキロ";
const char kBandRangeDash[] = "～";
const char kParametricTo[] = "～";
const char kClipBalanceName[] = "ﾊﾞﾗﾝｽ";
const char kClipKiloTo[] = "キロから";
const char kClipTo[] = "から";
const char kClipKiloHertzFormat[] = "%3.0fキロヘルツ ";
const char kClipHertzFormat[] = "%4.0fヘルツ ";
const char kClipDecibelFormat[] = "%s %s %+3dデシベル";
const char kClipZeroDecibelFormat[] = "%s %s %3dデシベル";

}  // namespace lomvex::ja
