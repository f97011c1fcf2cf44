// The batch save's portable rules: its command line, the files it saves
// and where, and what it reports in both languages.
#include <gtest/gtest.h>

#include <map>

#include "common/cp932.h"
#include "shell/batch_command_line.h"
#include "shell/batch_inputs.h"
#include "shell/batch_report.h"

namespace lomvex {
namespace {

using testing::Cp932;
using Paths = std::vector<std::string>;

TEST(BatchCommandLine, PathsAreSeparatedBySpacesOutsideQuotes) {
    const std::string line =
        "\"C:\\Program Files\\lomvex.exe\" /S /O \"D:\\out put\\\" a.wav \"C:\\my songs\\b.mp3\" "
        "C:\\x\"y z\"\\c.wav";
    const CommandLineOptions options = ReadCommandLine(line);
    EXPECT_TRUE(options.batch.requested);
    EXPECT_EQ(options.batch.refusal, BatchRefusal::None);
    // A backslash before a quote escapes nothing: a folder may end in "\".
    EXPECT_EQ(options.batch.outputFolder, "D:\\out put\\");
    EXPECT_EQ(options.batch.inputs, (Paths{"a.wav", "C:\\my songs\\b.mp3", "C:\\xy z\\c.wav"}));
    EXPECT_EQ(options.batch.channelOperation, kBatchChannelMinusOne);
    // More than the usual fifteen arguments.
    std::string many = "p.exe /s";
    for (int k = 0; k < 30; ++k) many += " s" + std::to_string(k) + ".wav";
    EXPECT_EQ(ReadCommandLine(many).batch.inputs.size(), 30u);
}

TEST(BatchCommandLine, ShiftJisPathsKeepTheirTrailBytes) {
    // "表" is 95 5C and "ソ" 83 5C: the 0x5C before the closing quote is a
    // trail byte, the quote still closes, and the bytes pass unchanged.
    const std::string folder = "C:\\" + Cp932("表");
    const std::string song = "C:\\" + Cp932("ソング") + "\\" + Cp932("表") + ".wav";
    const CommandLineOptions options =
        ReadCommandLine("p.exe /S /O \"" + folder + "\" \"" + song + "\" " + folder);
    EXPECT_EQ(options.batch.outputFolder, folder);
    EXPECT_EQ(options.batch.inputs, (Paths{song, folder}));
}

TEST(BatchCommandLine, OptionsAndTheirValues) {
    const CommandLineOptions options = ReadCommandLine("p.exe /e /4 /S /C 0 /Oout a.wav");
    EXPECT_TRUE(options.english);
    EXPECT_EQ(options.recordRate, 44100u);
    EXPECT_EQ(options.batch.channelOperation, kBatchChannelNothing);
    EXPECT_EQ(options.batch.outputFolder, "out");
    EXPECT_EQ(options.batch.inputs, Paths{"a.wav"});
    EXPECT_EQ(ReadCommandLine("p.exe /S /C2 a.wav").batch.channelOperation, 2);
    // Without "/S" the usual rules hold: one path, spaces and all.
    const CommandLineOptions usual = ReadCommandLine("p.exe C:\\my songs\\a.wav /O x");
    EXPECT_FALSE(usual.batch.requested);
    EXPECT_EQ(usual.filePath, "x");
    EXPECT_FALSE(ReadCommandLine("p.exe \"C:\\x /S y.wav\"").batch.requested);
}

TEST(BatchCommandLine, Refusals) {
    const std::pair<const char*, BatchRefusal> cases[] = {
        {"p.exe /S /P a.wav", BatchRefusal::WithAutoPlay},
        {"p.exe /P /S a.wav", BatchRefusal::WithAutoPlay},
        {"p.exe /S a.wav /O", BatchRefusal::MissingFolder},
        {"p.exe /S /O /C 1 a.wav", BatchRefusal::MissingFolder},
        {"p.exe /S /C 4 a.wav", BatchRefusal::BadChannel},
        {"p.exe /S /C a.wav", BatchRefusal::BadChannel},
        {"p.exe /S /C 12 a.wav", BatchRefusal::BadChannel},
        {"p.exe /S /X a.wav", BatchRefusal::UnknownOption},
        {"p.exe /S /7 a.wav", BatchRefusal::UnknownOption},
        {"p.exe /S /Sx a.wav", BatchRefusal::UnknownOption},
        {"p.exe /S", BatchRefusal::NothingToDo},
        {"p.exe /S /O out \"\"", BatchRefusal::NothingToDo},
    };
    for (const auto& [line, refusal] : cases)
        EXPECT_EQ(ReadCommandLine(line).batch.refusal, refusal) << line;
    const BatchRequest bad = ReadCommandLine("p.exe /S /Q /C 9 a.wav").batch;
    EXPECT_EQ(bad.refusedArgument, "/Q");  // the first refusal is reported
    const std::string longFolder(260, 'f');
    EXPECT_EQ(ReadCommandLine("p.exe /S /O " + longFolder + " a.wav").batch.refusal,
              BatchRefusal::FolderTooLong);
    // A path too long is the batch's to report as a failed input.
    EXPECT_EQ(ReadCommandLine("p.exe /S " + longFolder).batch.refusal, BatchRefusal::None);
}

// A made-up file system: folders and what they hold.
class FakeFolders : public FolderReader {
   public:
    bool IsFolder(const std::string& path) override { return folders.count(path) > 0; }
    std::vector<FolderEntry> List(const std::string& folder) override {
        listed.push_back(folder);
        return folders[folder];
    }
    std::map<std::string, std::vector<FolderEntry>> folders;
    Paths listed;
};

TEST(BatchInputs, FoldersGiveTheirOpenableFilesByName) {
    FakeFolders fs;
    const std::string sjis = "D:\\" + Cp932("表");  // ends in the trail byte 0x5C
    fs.folders["D:\\songs"] = {{"b.MP3", false}, {"A.wav", false},  {"notes.txt", false},
                               {"c.ogg", false}, {"sub.wav", true}, {"a2.rmp", false},
                               {"wav", false},   {"Z.WAV", false},  {"x.wave", false}};
    fs.folders[sjis] = {{Cp932("歌") + ".wav", false}};
    fs.folders["E:\\empty\\"] = {};
    const Paths sources =
        ExpandBatchInputs({"x.wav", "D:\\songs", "missing.mp3", sjis, "E:\\empty\\"}, fs);
    EXPECT_EQ(sources, (Paths{"x.wav", "D:\\songs\\A.wav", "D:\\songs\\a2.rmp", "D:\\songs\\b.MP3",
                              "D:\\songs\\c.ogg", "D:\\songs\\Z.WAV", "missing.mp3",
                              sjis + "\\" + Cp932("歌") + ".wav"}));
    EXPECT_EQ(fs.listed, (Paths{"D:\\songs", sjis, "E:\\empty\\"}));  // sub-folders not entered
}

TEST(BatchInputs, NamesOrderCaseBlindAndTrailBytesAsTheyAre) {
    EXPECT_TRUE(NameBefore("a.wav", "B.wav"));
    EXPECT_FALSE(NameBefore("B.wav", "a.wav"));
    EXPECT_TRUE(NameBefore("song", "SONG2"));
    EXPECT_FALSE(NameBefore("Song", "song"));
    EXPECT_TRUE(NameBefore(Cp932("ア"), Cp932("ハ")));
    EXPECT_TRUE(NameBefore("Z.wav", Cp932("ア")));
    // 83 61 and 83 42: the trail byte 0x61 is no letter "a" to fold to 0x41,
    // so it comes after 0x42; in a single-byte code page it is, and before.
    EXPECT_FALSE(NameBefore("\x83\x61", "\x83\x42"));
    EXPECT_TRUE(NameBefore("\x83\x61", "\x83\x42", NoLeadBytes));
}

TEST(BatchInputs, PathsJoinAndSplitOnRealSeparatorsOnly) {
    const std::string table = Cp932("表");
    EXPECT_EQ(JoinPath("C:\\a", "b.wav"), "C:\\a\\b.wav");
    EXPECT_EQ(JoinPath("C:\\a\\", "b.wav"), "C:\\a\\b.wav");
    EXPECT_EQ(JoinPath("C:", "b.wav"), "C:b.wav");
    EXPECT_EQ(JoinPath("", "b.wav"), "b.wav");
    EXPECT_EQ(JoinPath("C:\\" + table, "b.wav"), "C:\\" + table + "\\b.wav");
    EXPECT_EQ(FolderOfPath("C:\\a\\b.wav"), "C:\\a");
    EXPECT_EQ(FolderOfPath("C:b.wav"), "C:");
    EXPECT_EQ(FolderOfPath("C:\\b.wav"), "C:\\");
    EXPECT_EQ(FolderOfPath("\\b.wav"), "\\");
    EXPECT_EQ(FolderOfPath("b.wav"), "");
    EXPECT_EQ(FolderOfPath("C:\\" + table + "x.wav"), "C:\\");
    EXPECT_EQ(FolderChain("C:\\a\\b\\"), (Paths{"C:\\a", "C:\\a\\b"}));
    EXPECT_EQ(FolderChain("out"), Paths{"out"});
    EXPECT_EQ(FolderChain("C:\\" + table + "\\x"), (Paths{"C:\\" + table, "C:\\" + table + "\\x"}));
    EXPECT_EQ(FolderChain("a\\\\b"), (Paths{"a", "a\\\\b"}));
}

TEST(BatchInputs, OutputsAreTheSaveCommandsNames) {
    EXPECT_EQ(BatchOutputPath("C:\\s\\song.wav", ""), "C:\\s\\song_MO.WAV");
    EXPECT_EQ(BatchOutputPath("C:\\s\\Song.Wav", "D:\\out"), "D:\\out\\Song_MO.WAV");
    EXPECT_EQ(BatchOutputPath("C:\\s\\tone.mp3", ""), "C:\\s\\tone.mp3_MO.WAV");
    EXPECT_EQ(BatchOutputPath("song.wav", ""), "song_MO.WAV");
    // A ".wav" in a folder's name is not the file's.
    EXPECT_EQ(BatchOutputPath("C:\\my.wavs\\a.ogg", ""), "C:\\my.wavs\\a.ogg_MO.WAV");
    const std::string sjis = "C:\\" + Cp932("表") + "\\" + Cp932("表") + ".wav";
    EXPECT_EQ(BatchOutputPath(sjis, ""), "C:\\" + Cp932("表") + "\\" + Cp932("表") + "_MO.WAV");
    // An output that would not fit the path buffer is none.
    EXPECT_EQ(BatchOutputPath("C:\\" + std::string(251, 'a') + ".wav", ""), "");
    EXPECT_EQ(BatchOutputPath("C:\\" + std::string(249, 'a') + ".wav", "").size(), 259u);
    EXPECT_EQ(BatchOutputPath("a.wav", std::string(255, 'o')), "");
}

TEST(BatchInputs, TheReportGoesToTheOutputFolderOrBesideTheFirstSource) {
    FakeFolders fs;
    fs.folders["D:\\dir"] = {};
    BatchRequest request;
    request.inputs = {"D:\\dir", "E:\\b.wav"};
    EXPECT_EQ(BatchReportPath(request, {"E:\\b.wav"}, fs), "E:\\lomvex-batch.txt");
    EXPECT_EQ(BatchReportPath(request, {}, fs), "D:\\dir\\lomvex-batch.txt");
    request.inputs = {"F:\\x\\missing.wav"};
    EXPECT_EQ(BatchReportPath(request, {}, fs), "F:\\x\\lomvex-batch.txt");
    request.outputFolder = "G:\\out\\";
    EXPECT_EQ(BatchReportPath(request, {"E:\\b.wav"}, fs), "G:\\out\\lomvex-batch.txt");
    EXPECT_EQ(BatchReportPath(BatchRequest{}, {}, fs), "");
}

TEST(BatchReport, LinesInEnglish) {
    EXPECT_EQ(BatchWindowTitle(3, 12, "song.mp3"), "Lomvex - 3/12 song.mp3");
    EXPECT_EQ(SoundLengthText(88200 * 2 + 8820 * 3 + 1, 88200), "0:02.3");
    EXPECT_EQ(SoundLengthText(44100 * 2 * 3725, 88200), "62:05.0");
    EXPECT_EQ(SoundLengthText(1000, 0), "0:00.0");
    EXPECT_EQ(SavedLine("a.wav", "a_MO.WAV", "0:02.0", {}, false),
              "saved  a.wav -> a_MO.WAV (0:02.0)");
    EXPECT_EQ(SavedLine("a.wav", "a_MO.WAV", "0:02.0", {"Level\r\nover\n"}, false),
              "saved  a.wav -> a_MO.WAV (0:02.0) note: Level over");
    EXPECT_EQ(FailedLine("b.wav", {"not a wave file", "the save failed"}, false),
              "failed b.wav: not a wave file; the save failed");
    EXPECT_EQ(SummaryLine(3, 2, false), "3 saved, 2 failed");
    // Long paths are not cut.
    const std::string longPath(300, 'p');
    EXPECT_EQ(FailedLine(longPath, {"x"}, false).size(), 7 + 300 + 3u);
    BatchRequest request;
    request.refusal = BatchRefusal::BadChannel;
    request.refusedArgument = "/C 7";
    EXPECT_EQ(RefusalLines(request, false),
              (Paths{"/C takes 0, 1, 2 or 3: /C 7",
                     "usage: lomvex.exe /S [/O folder] [/C n] file-or-folder ..."}));
    EXPECT_EQ(std::string(BatchReasonText(BatchReason::StoppedByClose, false)),
              "stopped: the window was closed");
}

TEST(BatchReport, LinesInJapanese) {
    EXPECT_EQ(SavedLine("a.wav", "a_MO.WAV", "0:02.0", {}, true),
              Cp932("保存  a.wav -> a_MO.WAV (0:02.0)"));
    EXPECT_EQ(SavedLine("a.wav", "a_MO.WAV", "0:02.0", {"x"}, true),
              Cp932("保存  a.wav -> a_MO.WAV (0:02.0) 注意: x"));
    EXPECT_EQ(FailedLine("b.wav", {Cp932("理由")}, true), Cp932("失敗  b.wav: 理由"));
    EXPECT_EQ(SummaryLine(3, 2, true), Cp932("保存 3 件、失敗 2 件"));
    BatchRequest request;
    request.refusal = BatchRefusal::WithAutoPlay;
    EXPECT_EQ(
        RefusalLines(request, true),
        (Paths{Cp932("/P と /S は同時に指定できません"),
               Cp932("使い方: lomvex.exe /S [/O フォルダ] [/C n] ファイルまたはフォルダ ...")}));
    EXPECT_EQ(std::string(BatchReasonText(BatchReason::StoppedByClose, true)),
              Cp932("ウィンドウが閉じられたため中止しました"));
    EXPECT_EQ(std::string(BatchReasonText(BatchReason::NotReached, true)),
              Cp932("一括保存が中止されたため保存していません"));
    // Every reason has a text in both languages.
    for (int r = 0; r <= static_cast<int>(BatchReason::ReportNotWritten); ++r) {
        EXPECT_STRNE(BatchReasonText(static_cast<BatchReason>(r), false), "") << r;
        EXPECT_STRNE(BatchReasonText(static_cast<BatchReason>(r), true), "") << r;
    }
}

TEST(BatchReport, ExitCodes) {
    EXPECT_EQ(BatchExitCode(3, 0), kBatchAllSaved);
    EXPECT_EQ(BatchExitCode(3, 1), kBatchSomeFailed);
    EXPECT_EQ(BatchExitCode(0, 2), kBatchSomeFailed);
    EXPECT_EQ(BatchExitCode(0, 0), kBatchRefused);
}

}  // namespace
}  // namespace lomvex
