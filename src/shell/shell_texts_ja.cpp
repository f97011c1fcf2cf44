// Japanese texts of the control panel, the menu and the file dialogs,
// written in UTF-8 here and compiled to Shift-JIS bytes. The mnemonic mark
// of the older shells' menu labels is the byte 0x1E, the Latin letter, the
// byte 0x1F and a half-width kana, written as octal escapes (\036, \037),
// which end after three digits where a hex escape would take the letter in.
#include "resources/ids.h"
#include "shell/shell_texts.h"

namespace lomvex {

const char kBalanceBarWindowText[] = "バランス";
const char kPositionBarWindowText[] = "位置";
const char kBarNameFormat[] = "グライコバー %d";
const char kBarGainFormat[] = "グライコバー %d %+3ddb ";
const char kBarZeroGainFormat[] = "グライコバー %d %3ddb ";

namespace ja {

const char kPlay[] = "演奏";
const char kStop[] = "停止";
const char kChannelGroup[] = "左右ﾁｬﾝﾈﾙ処理";
const char kNothing[] = "何もしない";
const char kBalanceAdjust[] = "バランス調整";
const char kMonaural[] = "L+R(ﾓﾉﾗﾙ化)";
const char kMinusOne[] = "L-R(ﾏｲﾅｽﾜﾝ)";
const char kBalanceLabel[] = "ﾊﾞﾗﾝｽ";
const char kEqualizerLabel[] = "ｸﾞﾗｲｺ";
const char kSoprano[] = "ソプラノ(320～906)";
const char kMezzosoprano[] = "ﾒｿﾞｿﾌﾟﾗﾉ(226～641)";
const char kAltoTenor[] = "ｱﾙﾄ/ﾃﾅｰ(160～453)";
const char kBaritone[] = "バリトン(113～321)";
const char kBass[] = "バス(80～226)";
const char kOctaveCut[] = "倍音も消す";
const char kHighBoost[] = "高域増強";
const char kLowBoost[] = "低域増強";
const char kSubsonic[] = "超低音ｶｯﾄ";

const char kOpenTitle[] = "再生用にファイルを開く";
const char kSaveTitle[] = "保存";

// Each literal ends in one NUL of its own and one of the language: the
// double NUL that ends a filter list.
const char* const kOpenFilters[4] = {
    "ｻｳﾝﾄﾞ(*.WAV)\0*.WAV\0全ファイル(*.*)\0*.*\0",
    "ｻｳﾝﾄﾞ(*.WAV;*.OGG)\0*.WAV;*.OGG\0全ファイル(*.*)\0*.*\0",
    "ｻｳﾝﾄﾞ(*.WAV;*.MP3;*.RMP)\0*.WAV;*.MP3;*.RMP\0全ファイル(*.*)\0*.*\0",
    "ｻｳﾝﾄﾞ(*.WAV;*.MP3;*.RMP;*.OGG)\0*.WAV;*.MP3;*.RMP;*.OGG\0全ファイル(*.*)\0*.*\0",
};

const MenuLabel kMenuPopups[kMenuPopupCount] = {
    {0, "ファイル(&F)", "ﾌｧｲﾙ(\036F\037ﾌ)"},
    {1, "操作(&O)", "操作(\036O\037ｿ)"},
    {2, "表示(&V)", "表示(\036V\037ﾋ)"},
    {3, "ヘルプ(&H)", "ﾍﾙﾌﾟ(\036H\037ﾍ)"},
};

const MenuLabel kMenuItems[kMenuItemCount] = {
    {IDM_MONITOR, "モニタ(&M)...", "ﾓﾆﾀ(\036M\037ﾓ)..."},
    {IDM_OPEN, "開く(&O)...", "開く(\036O\037ﾋ)..."},
    {IDM_SAVE, "保存(&S)...", "保存(\036S\037ﾎ)..."},
    {IDM_INFO, "情報(&I)...", "情報(\036I\037ｲ)..."},
    {IDM_EXIT, "終了(&X)", "終了(\036X\037ｼ)"},
    {IDM_PLAY, "演奏(&L)", "演奏(\036L\037ｴ)"},
    {IDM_STOP, "停止(&T)", "停止(\036T\037ﾃ)"},
    {IDM_PAUSE, "ﾎﾟｰｽﾞ(&P)", "ﾎﾟｰｽﾞ(\036P\037ﾎ)"},
    {IDM_OPTION, "オプション(&O)...", "ｵﾌﾟｼｮﾝ(\036O\037ｵ)..."},
    {IDM_HELP, "ヘルプの表示(&H)...\tF1", "ﾍﾙﾌﾟの表示(\036H\037ﾍ)...\tF1"},
    {IDM_ABOUT, "バージョン情報(&A)...", "ﾊﾞｰｼﾞｮﾝ情報(\036A\037ｼ)..."},
    {IDM_VIEW_WAVE, "波形(&W)", "波形(\036W\037ﾊ)"},
    {IDM_VIEW_LEVEL, "レベルメータ(&L)", "ﾚﾍﾞﾙﾒｰﾀ(\036L\037ﾚ)"},
    {IDM_VIEW_SPECTRUM, "スペクトル(&S)", "ｽﾍﾟｸﾄﾙ(\036S\037ｽ)"},
    {IDM_LOOP_START, "ループ開始(&S)", "ﾙｰﾌﾟ開始(\036S\037ﾙ)"},
    {IDM_LOOP_END, "ループ終了(&E)", "ﾙｰﾌﾟ終了(\036E\037ｼ)"},
    {IDM_LOOP, "ループ(&L)", "ﾙｰﾌﾟ(\036L\037ﾙ)"},
    {IDM_LOOP_CLEAR, "ループ解除", "ﾙｰﾌﾟ解除"},
};

}  // namespace ja
}  // namespace lomvex
