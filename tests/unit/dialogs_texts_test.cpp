// The dialogs' Japanese texts are the Shift-JIS bytes of the quoted texts,
// the relabelling tables cover each labelled control once, and the format
// tag names are the fixed table.
#include "dialogs/dialog_texts.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <map>
#include <set>
#include <string>

#include "common/cp932.h"
#include "dialogs/format_tag_names.h"
#include "dialogs/options_dialog.h"
#include "dialogs/record_setup.h"

namespace lomvex {
namespace {

using testing::Cp932;

TEST(DialogJapaneseTexts, AreShiftJisBytes) {
    EXPECT_EQ(ja::kOptionCaption, Cp932("オプション設定"));
    EXPECT_EQ(ja::kOptionLengthLabel, Cp932("一度に処理するﾃﾞｰﾀ長(&T)"));
    EXPECT_EQ(ja::kOptionModeGroup, Cp932("ｲｺﾗｲｼﾞﾝｸﾞﾓｰﾄﾞ(&M)"));
    EXPECT_EQ(ja::kOptionCopyValue, Cp932("ｽｸﾛｰﾙﾊﾞｰの値をｸﾘｯﾌﾟﾎﾞｰﾄﾞにｺﾋﾟｰ(&V)"));
    EXPECT_EQ(ja::kOptionLevelWarning, Cp932("演奏終了時にレベル警告を出す(&L)"));
    EXPECT_EQ(ja::kOptionKeepTempo, Cp932("テンポを保つ(&K)"));
    EXPECT_EQ(ja::kOptionTempoLabel, Cp932("テンポ(&E)"));
    EXPECT_EQ(ja::kOptionVoiceGroup, Cp932("ボーカル除去"));
    EXPECT_EQ(ja::kOptionVoiceClassic, Cp932("従来のL-R(モノラル)(&A)"));
    EXPECT_EQ(ja::kOptionVoiceStereo, Cp932("ステレオのまま(&O)"));
    EXPECT_EQ(ja::kCancel, Cp932("ｷｬﾝｾﾙ"));
    EXPECT_EQ(ja::kLengthItems[1], Cp932("１.５秒"));
    EXPECT_EQ(ja::kLengthItems[5], Cp932("1/11秒"));
    EXPECT_EQ(ja::kLengthItemsSpelled[0], Cp932("３秒"));
    EXPECT_EQ(ja::kLengthItemsSpelled[7], Cp932("43分の1秒"));
    EXPECT_EQ(ja::kWindowItems[0], Cp932("ﾊﾆﾝｸﾞ"));
    EXPECT_EQ(ja::kWindowItems[2], Cp932("方形"));

    EXPECT_EQ(ja::kRecordCaption, Cp932("録音ポートをモニタする"));
    EXPECT_EQ(ja::kRecordRateGroup, Cp932("周波数(&F)"));
    EXPECT_EQ(ja::kRecordChannelGroup, Cp932("チャンネル数(&C)"));
    EXPECT_EQ(ja::kRecordStereo, Cp932("ｽﾃﾚｵ"));
    EXPECT_EQ(ja::kRecordMonaural, Cp932("ﾓﾉﾗﾙ"));
    EXPECT_EQ(ja::kRecordBitsGroup, Cp932("ビット数(&I)"));

    EXPECT_EQ(ja::kAboutVersionSpelled, Cp932("lomvex Version 0点02"));
    EXPECT_EQ(ja::kAboutWordSize, Cp932("32 bit 版"));
    EXPECT_EQ(ja::kAboutDeviceFormat, Cp932("録音ﾃﾞﾊﾞｲｽ=%2d個  再生ﾃﾞﾊﾞｲｽ=%2d個"));

    EXPECT_EQ(ja::kInfoChannelsLabel, Cp932("ﾁｬﾝﾈﾙ数"));
    EXPECT_EQ(ja::kInfoDataSizeLabel, Cp932("ﾃﾞｰﾀ ｻｲｽﾞ"));
    EXPECT_EQ(ja::kInfoDetailButton, Cp932("詳細(&D)"));
    EXPECT_EQ(ja::kPointWord, std::string("\x93\x5F"));

    EXPECT_EQ(ja::kDetailHintRiffSizeSpelled, Cp932("FileSizeﾏｲﾅｽ8"));
    EXPECT_EQ(ja::kDetailHintByteRate, Cp932("Sample×Block"));
    EXPECT_EQ(ja::kDetailHintBlockAlign, Cp932("ﾁｬﾈﾙ×Bits/8"));
    EXPECT_EQ(ja::kDetailHintChannels, Cp932("1:ﾓﾉ  2:ｽﾃﾚｵ"));
    EXPECT_EQ(ja::kDetailMicrosecondsFormat, Cp932("%.0f ﾏｲｸﾛ秒"));
    EXPECT_EQ(ja::kDetailInfiniteSeconds, Cp932("∞ 秒"));
    EXPECT_EQ(ja::kDetailMillisecondsFormat, Cp932("%.3fミリ秒"));
    EXPECT_EQ(ja::kDetailUnknownSeconds, Cp932("不明 sec"));
}

TEST(DialogJapaneseTexts, OptionLabelsCoverTheTemplateOnce) {
    std::set<int> ids;
    for (const DialogLabel& label : kOptionLabels) {
        EXPECT_TRUE(ids.insert(label.id).second) << label.id;
        EXPECT_NE(label.english, nullptr);
        EXPECT_NE(label.japanese, nullptr);
    }
    EXPECT_EQ(ids, (std::set<int>{1,   2,   120, 121, 122, 123, 124, 125, 128, 130, 131, 132, 145,
                                  147, 151, 152, 153, 154, 155, 156, 157, 158, 159, 160, 195}));
    ControlTexts japanese = LabelTexts(kOptionLabels, kOptionLabelCount, true);
    EXPECT_EQ(japanese.at(125), Cp932("再生速度(&R):"));
    EXPECT_EQ(japanese.at(195), Cp932("ﾋﾟｰｸﾎｰﾙﾄﾞ(&P)"));
    EXPECT_EQ(japanese.at(120), "Off");
    EXPECT_EQ(japanese.at(1), "OK");
    ControlTexts english = LabelTexts(kOptionLabels, kOptionLabelCount, false);
    EXPECT_EQ(english.at(123), "One &Time data length");
    EXPECT_EQ(english.at(153), "Parametric equalizer");
    EXPECT_EQ(english.at(2), "Cancel");
    EXPECT_EQ(english.at(132), "T&empo");
    EXPECT_EQ(english.at(157), "&Keep tempo");
    EXPECT_EQ(english.at(159), "Cl&assic L-R (mono)");
    EXPECT_EQ(english.at(160), "Keep stere&o");
    EXPECT_EQ(OptionCaption(true), Cp932("オプション設定"));
}

// The letters that Alt+letter reaches in `text`: each character after a
// single '&' ("&&" shows an ampersand), upper-cased as the keys are.
std::string AccessKeys(const char* text) {
    std::string keys;
    for (const char* c = text; *c != '\0'; ++c) {
        if (*c != '&') continue;
        ++c;
        if (*c == '\0') break;
        if (*c != '&') keys += static_cast<char>(std::toupper(static_cast<unsigned char>(*c)));
    }
    return keys;
}

TEST(DialogAccessKeys, EveryOptionsControlHasItsOwnKeyInBothLanguages) {
    EXPECT_EQ(AccessKeys("a&b &&c &D"), "BD");
    for (bool japanese : {false, true}) {
        std::map<char, int> owners;
        for (const DialogLabel& label : kOptionLabels) {
            std::string keys = AccessKeys(japanese ? label.japanese : label.english);
            EXPECT_LE(keys.size(), 1u) << label.id;
            for (char key : keys) {
                auto [owner, added] = owners.emplace(key, label.id);
                EXPECT_TRUE(added) << "Alt+" << key << " of " << label.id << " is also that of "
                                   << owner->second << (japanese ? " (Japanese)" : " (English)");
            }
        }
        EXPECT_EQ(owners.size(), 15u) << (japanese ? "Japanese" : "English");
    }
    // A control answers to the same letter in both languages.
    for (const DialogLabel& label : kOptionLabels)
        EXPECT_EQ(AccessKeys(label.japanese), AccessKeys(label.english)) << label.id;
}

TEST(DialogJapaneseTexts, RecordLabelsCoverTheTemplateOnce) {
    std::set<int> ids;
    for (const DialogLabel& label : kRecordLabels) EXPECT_TRUE(ids.insert(label.id).second);
    EXPECT_EQ(ids, (std::set<int>{1, 2, 135, 136, 137, 138, 139, 140, 141, 142, 143, 144}));
    ControlTexts japanese = LabelTexts(kRecordLabels, kRecordLabelCount, true);
    EXPECT_EQ(japanese.at(2), "CANCEL");
    EXPECT_EQ(japanese.at(141), Cp932("ﾓﾉﾗﾙ"));
    EXPECT_EQ(japanese.at(143), "16 bit");
    ControlTexts english = LabelTexts(kRecordLabels, kRecordLabelCount, false);
    EXPECT_EQ(english.at(135), "&Frequency");
    EXPECT_EQ(english.at(141), "Monaural");
    EXPECT_STREQ(RecordCaption(false), "monitering record port");
}

TEST(FormatTagNames, FixedTableThenQuestionMarkForZero) {
    for (size_t i = 1; i < kFormatTagNameCount; ++i) {
        EXPECT_LT(kFormatTagNames[i - 1].tag, kFormatTagNames[i].tag);  // searchable
    }
    EXPECT_STREQ(FindFormatTagName(0), "?");
    EXPECT_STREQ(FindFormatTagName(1), "PCM");
    EXPECT_STREQ(FindFormatTagName(515), "CreativeFASTSPEECH10");
    EXPECT_STREQ(FindFormatTagName(5376), "soundspace musicompress");
    EXPECT_STREQ(FindFormatTagName(26449), "OggVorbis mode3");
    EXPECT_EQ(FindFormatTagName(9), nullptr);
    EXPECT_EQ(FindFormatTagName(0xFFFF), nullptr);
}

}  // namespace
}  // namespace lomvex
