// Command-line splitting and options.
#include <gtest/gtest.h>

#include "common/cp932.h"
#include "shell/command_line.h"

namespace lomvex {
namespace {

using testing::Cp932;
using Arguments = std::vector<std::string>;

TEST(CommandLine, SplitsAtSlashesAndSpaces) {
    // A path may follow the program unquoted, spaces and all.
    EXPECT_EQ(ParseCommandLine("C:\\lomvex.exe C:\\my songs\\a b.wav /P"),
              (Arguments{"C:\\lomvex.exe", "C:\\my songs\\a b.wav", "/P"}));
    EXPECT_EQ(ParseCommandLine("  \"C:\\Program Files\\lomvex.exe\"  \"D:\\x y.wav\"  "),
              (Arguments{"C:\\Program Files\\lomvex.exe", "D:\\x y.wav"}));
    // Every "/" outside quotes starts an argument, even inside a word.
    EXPECT_EQ(ParseCommandLine("p.exe /E/P C:/a.wav"),
              (Arguments{"p.exe", "/E", "/P", "C:", "/a.wav"}));
    EXPECT_EQ(ParseCommandLine("p.exe \"C:/a.wav\""), (Arguments{"p.exe", "C:/a.wav"}));
    // \" keeps the quote and does not toggle quoting.
    EXPECT_EQ(ParseCommandLine("p.exe \"a\\\" /E\" /P"), (Arguments{"p.exe", "a\" /E", "/P"}));
}

TEST(CommandLine, TrailByteBackslashEscapesNothing) {
    // "表" is 95 5C: the quote after it closes the quoted name.
    const std::string line = "p.exe \"C:\\" + Cp932("表") + "\" /E";
    EXPECT_EQ(ParseCommandLine(line), (Arguments{"p.exe", "C:\\" + Cp932("表"), "/E"}));
    // In a single-byte code page the same bytes escape the quote.
    EXPECT_EQ(ParseCommandLine(line, NoLeadBytes).size(), 2u);
}

TEST(CommandLine, AtMostFifteenArguments) {
    std::string line = "p.exe";
    for (int k = 0; k < 20; ++k) line += " /" + std::to_string(k);
    Arguments arguments = ParseCommandLine(line);
    ASSERT_EQ(arguments.size(), kMaxArguments);
    EXPECT_EQ(arguments.back(), "/13");
}

TEST(CommandLineOptions, FilePathSwitchesAndRates) {
    CommandLineOptions options = ApplyArguments({"/prog", "a.wav", "/e", "b.wav", "/p", "/X"});
    EXPECT_EQ(options.filePath, "b.wav");
    EXPECT_TRUE(options.english && options.autoPlayClose);
    EXPECT_EQ(options.recordRate, 0u);

    const std::pair<const char*, uint32_t> rates[] = {
        {"/9", 88200},  {"/6", 64000},    {"/5", 48000},  {"/4", 44100},  {"/3", 32000},
        {"/2", 22050},  {"/8", 8000},     {"/12", 12000}, {"/16", 16000}, {"/1", 11025},
        {"/1x", 11025}, {"/4800", 44100}, {"/7", 0}};
    for (const auto& [option, rate] : rates)
        EXPECT_EQ(ApplyArguments({"p", option}).recordRate, rate) << option;
}

TEST(CommandLineOptions, TooLongPathIsRefused) {
    std::string longest(259, 'a');
    EXPECT_EQ(ApplyArguments({"p", longest}).filePath, longest);
    CommandLineOptions options = ApplyArguments({"p", "short.wav", longest + "b"});
    EXPECT_EQ(options.filePath, "short.wav");
    EXPECT_TRUE(options.filePathRefused);
}

}  // namespace
}  // namespace lomvex
