// File name rules: the case-blind search, the proposed save name, the
// titles, the help path and the Open filters.
#include <gtest/gtest.h>

#include <vector>

#include "common/cp932.h"
#include "shell/file_names.h"

namespace lomvex {
namespace {

using testing::Cp932;
using Parts = std::vector<std::string>;

// The NUL-separated parts of a double-NUL-terminated filter list.
Parts FilterParts(const char* filter) {
    Parts parts;
    for (const char* part = filter; *part != '\0'; part += parts.back().size() + 1)
        parts.emplace_back(part);
    return parts;
}

TEST(FindNoCase, LettersIgnoreCaseDoubleBytesDoNot) {
    EXPECT_EQ(FindNoCase("C:\\a.wav\\b.WaV", ".WAV"), 4u);
    EXPECT_EQ(FindNoCase("song.mp3", ".WAV"), std::string::npos);
    // "Ａ" (82 60) and "ａ" (82 81) are different characters.
    EXPECT_EQ(FindNoCase(Cp932("xａ"), Cp932("Ａ")), std::string::npos);
    // A match never starts on a trail byte: "ア" is 83 41.
    EXPECT_EQ(FindNoCase(Cp932("アa"), "A"), 2u);
    EXPECT_EQ(FindNoCase(Cp932("ア"), "a", NoLeadBytes), 1u);
}

TEST(DefaultSaveName, NewerAndOlderWindows) {
    EXPECT_EQ(DefaultSaveName("D:\\x\\take1.Wav", "", 0x0400), "D:\\x\\take1_MO.WAV");
    EXPECT_EQ(DefaultSaveName("D:\\a.wav\\b.wav", "", 0x0601), "D:\\a_MO.WAV");
    EXPECT_EQ(DefaultSaveName("C:\\s\\song.mp3", "", 0x0601), "C:\\s\\song.mp3_MO.WAV");
    EXPECT_EQ(DefaultSaveName("C:\\x\\take1.wav", "take1.wav", 0x035F), "take1.wav");
    EXPECT_EQ(DefaultSaveName("", "a.b.mp3", 0x0300), "a.b.WAV");
    EXPECT_EQ(DefaultSaveName("", "take", 0x0300), "take.WAV");
}

TEST(DefaultSaveName, NeverOverflowsThePathBuffer) {
    std::string base(252, 'a');
    EXPECT_EQ(DefaultSaveName(base, "", 0x0601), base + "_MO.WAV");  // 259 bytes
    EXPECT_EQ(DefaultSaveName(base + ".wav", "", 0x0601), base + "_MO.WAV");
    EXPECT_EQ(DefaultSaveName(base + "b", "", 0x0601), "");
}

TEST(Titles, FileTitleAndWindowTitle) {
    EXPECT_EQ(FileTitle("C:\\sound\\song.wav"), "song.wav");
    EXPECT_EQ(FileTitle("D:/x/take.wav"), "take.wav");
    EXPECT_EQ(FileTitle("A:take.wav"), "take.wav");
    EXPECT_EQ(FileTitle("song.wav"), "song.wav");
    // The trail byte of "表" (95 5C) is not a separator.
    EXPECT_EQ(FileTitle(Cp932("C:\\曲\\表.wav")), Cp932("表.wav"));
    // Cut to the 255 bytes of the title buffer without splitting a character.
    std::string longTitle = std::string(254, 'b') + Cp932("表");
    EXPECT_EQ(FileTitle("C:\\" + longTitle), std::string(254, 'b'));

    EXPECT_EQ(WindowTitleText("", true), "Lomvex");
    EXPECT_EQ(WindowTitleText("a%s.wav", true), "a%s.wav - Lomvex");
    EXPECT_EQ(WindowTitleText("a.wav", false), "Lomvex - a.wav");
}

TEST(HelpFile, BesideTheProgram) {
    EXPECT_EQ(HelpFilePath("C:\\APPS\\LOMVEX.EXE", 0x0601), "C:\\APPS\\LOMVEX.HTM");
    EXPECT_EQ(HelpFilePath("C:\\A.EXE.D\\LOMVEX.EXE", 0x0601), "C:\\A.HTM");
    EXPECT_EQ(HelpFilePath("C:\\apps\\lomvex.exe", 0x0601), "lomvex.HTM");
    EXPECT_EQ(HelpFilePath("C:\\APPS\\LOMVEX.EXE", 0x035F), "lomvex.htm");
}

TEST(FileDialogs, FiltersAndTitles) {
    EXPECT_EQ(FilterParts(OpenFilter(false, false, false)),
              (Parts{"Sound(*.WAV)", "*.WAV", "All files (*.*)", "*.*"}));
    EXPECT_EQ(FilterParts(OpenFilter(true, true, false))[1], "*.WAV;*.MP3;*.RMP;*.OGG");
    EXPECT_EQ(FilterParts(OpenFilter(true, false, false))[0], "Sound(*.WAV;*.MP3;*.RMP)");
    EXPECT_EQ(FilterParts(OpenFilter(false, true, false))[1], "*.WAV;*.OGG");
    EXPECT_EQ(FilterParts(SaveFilter(false)), FilterParts(OpenFilter(false, false, false)));
    EXPECT_EQ(FilterParts(OpenFilter(true, true, true)),
              (Parts{Cp932("ｻｳﾝﾄﾞ(*.WAV;*.MP3;*.RMP;*.OGG)"), "*.WAV;*.MP3;*.RMP;*.OGG",
                     Cp932("全ファイル(*.*)"), "*.*"}));
    EXPECT_EQ(FilterParts(OpenFilter(false, true, true))[0], Cp932("ｻｳﾝﾄﾞ(*.WAV;*.OGG)"));

    EXPECT_STREQ(OpenDialogTitle(false), "Play Open");
    EXPECT_EQ(OpenDialogTitle(true), Cp932("再生用にファイルを開く"));
    EXPECT_EQ(SaveDialogTitle(true), Cp932("保存"));
}

}  // namespace
}  // namespace lomvex
