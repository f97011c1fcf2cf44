// The batch save from the command line: the files it saves are the bytes
// the Save command writes by hand with the same settings; failures are
// reported, never shown; the exit code tells how it went.
#include <gtest/gtest.h>

#include <sstream>

#include "e2e/e2e_support.h"
#include "resources/ids.h"

namespace lomvex::e2e {
namespace {

using Settings = std::map<std::string, std::string>;
using Lines = std::vector<std::string>;

// Voice removal in stereo and a lowered equalizer bar: the batch must
// carry the processing the settings file asks for.
const Settings kProcessing = {{"voicecut", "1"}, {"eq5", "6"}};

Bytes Mp3Song() {
    return ReadBytes(WindowsPath(LOMVEX_TEST_DATA "/mpeg2_22k.mp3"));
}

Bytes WavSong(uint32_t frames = 44100 * 2) {
    return WaveOf(StereoTones(frames, 440, 660));
}

// Opens `source` with `settings`, chooses the channel operation `channel`
// and saves through the Save dialog, as a person does; returns the bytes.
Bytes SaveByHand(const Bytes& song, const std::string& name, const Settings& settings,
                 int channel) {
    const std::string folder = ProfileWith("batch-hand", settings);
    const std::string source = folder + "\\" + name;
    EXPECT_TRUE(WriteBytes(source, song));
    LomvexProcess program;
    EXPECT_TRUE(program.Start("\"" + source + "\"", folder));
    EXPECT_NE(program.MainWindow(), nullptr);
    EXPECT_TRUE(WaitUntil([&] { return program.IsEnabled(IDM_PLAY); }));
    program.PostCommand(channel);
    const std::string target = folder + "\\hand.wav";
    program.PostCommand(IDM_SAVE);
    EXPECT_TRUE(program.AnswerFileDialog("Save", target));
    EXPECT_TRUE(WaitUntil(
        [&] { return ReadSavedWave(target).valid && program.IsEnabled(IDM_PLAY); }, 30000));
    program.Close();
    EXPECT_EQ(program.WaitForExit(), 0);
    return ReadBytes(target);
}

struct BatchOutcome {
    int exitCode = -1;
    Lines boxes;  // the texts of any box shown (there should be none)
};

// Runs "lomvex.exe /S `arguments`" with `settings` and answers any box it
// shows, keeping its text; `whileRunning` is called once the window shows.
BatchOutcome RunBatch(const std::string& arguments, const Settings& settings,
                      const std::function<void(LomvexProcess&)>& whileRunning = nullptr) {
    BatchOutcome outcome;
    LomvexProcess program;
    if (!program.Start("/S " + arguments, ProfileWith("batch", settings))) return outcome;
    if (whileRunning) whileRunning(program);
    for (int k = 0; k < 1200 && (outcome.exitCode = program.WaitForExit(50)) == -1; ++k) {
        MessageBoxInfo box = program.FindMessageBox(50);
        if (box.window == nullptr) continue;
        outcome.boxes.push_back(box.text);
        LomvexProcess::Answer(box);
    }
    return outcome;
}

std::string Quoted(const std::string& path) {
    return "\"" + path + "\"";
}

Lines ReportLines(const std::string& path) {
    const Bytes bytes = ReadBytes(path);
    std::istringstream text(std::string(bytes.begin(), bytes.end()));
    Lines lines;
    for (std::string line; std::getline(text, line);) {
        EXPECT_TRUE(!line.empty() && line.back() == '\r') << line;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool StartsWith(const std::string& text, const std::string& start) {
    return text.compare(0, start.size(), start) == 0;
}

TEST(Batch, SavesWhatTheSaveCommandSavesAndReportsTheFailures) {
    const Bytes wav = WavSong(), mp3 = Mp3Song();
    const Bytes handWav = SaveByHand(wav, "song.wav", kProcessing, IDC_CHANNEL_MINUS_ONE);
    const Bytes handMp3 = SaveByHand(mp3, "tone.mp3", kProcessing, IDC_CHANNEL_MINUS_ONE);

    const std::string b = MakeTempFolder("batch-songs");
    const std::string dir = b + "\\dir";
    ASSERT_TRUE(CreateDirectoryA(dir.c_str(), nullptr));
    ASSERT_TRUE(WriteBytes(b + "\\song.wav", wav));
    ASSERT_TRUE(WriteBytes(b + "\\tone.mp3", mp3));
    ASSERT_TRUE(WriteBytes(dir + "\\inner.wav", wav));
    ASSERT_TRUE(WriteBytes(dir + "\\notes.txt", {'h', 'i'}));
    ASSERT_TRUE(WriteBytes(b + "\\broken.wav", {'R', 'I', 'F', 'F', 1, 0, 0, 0, 'j', 'u', 'n'}));
    const BatchOutcome outcome =
        RunBatch(Quoted(b + "\\song.wav") + " " + Quoted(b + "\\tone.mp3") + " " + Quoted(dir) +
                     " " + Quoted(b + "\\broken.wav") + " " + Quoted(b + "\\missing.wav"),
                 kProcessing);
    EXPECT_EQ(outcome.exitCode, 1);
    EXPECT_TRUE(outcome.boxes.empty()) << outcome.boxes.front();

    EXPECT_EQ(ReadBytes(b + "\\song_MO.WAV"), handWav);
    EXPECT_EQ(ReadBytes(b + "\\tone.mp3_MO.WAV"), handMp3);
    EXPECT_EQ(ReadBytes(dir + "\\inner_MO.WAV"), handWav);
    EXPECT_FALSE(Exists(b + "\\broken_MO.WAV"));
    EXPECT_FALSE(Exists(b + "\\missing_MO.WAV"));
    EXPECT_FALSE(Exists(dir + "\\notes.txt_MO.WAV"));

    const Lines lines = ReportLines(b + "\\lomvex-batch.txt");
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0], "saved  " + b + "\\song.wav -> " + b + "\\song_MO.WAV (0:02.0)");
    EXPECT_TRUE(
        StartsWith(lines[1], "saved  " + b + "\\tone.mp3 -> " + b + "\\tone.mp3_MO.WAV (0:0"))
        << lines[1];
    EXPECT_EQ(lines[2], "saved  " + dir + "\\inner.wav -> " + dir + "\\inner_MO.WAV (0:02.0)");
    EXPECT_TRUE(StartsWith(lines[3], "failed " + b + "\\broken.wav: ")) << lines[3];
    EXPECT_GT(lines[3].size(), ("failed " + b + "\\broken.wav: ").size());
    EXPECT_TRUE(StartsWith(lines[4], "failed " + b + "\\missing.wav: ")) << lines[4];
    EXPECT_GT(lines[4].size(), ("failed " + b + "\\missing.wav: ").size());
    EXPECT_EQ(lines[5], "3 saved, 2 failed");
}

TEST(Batch, MakesTheOutputFolderAndUsesTheChannelOperationAsked) {
    const Bytes wav = WavSong();
    const Bytes hand = SaveByHand(wav, "song.wav", {}, IDC_CHANNEL_MONAURAL);
    const std::string b = MakeTempFolder("batch-out");
    ASSERT_TRUE(WriteBytes(b + "\\song.wav", wav));
    const std::string out = b + "\\made\\deeper";
    const BatchOutcome outcome =
        RunBatch("/O " + Quoted(out) + " /C 2 " + Quoted(b + "\\song.wav"), {});
    EXPECT_EQ(outcome.exitCode, 0);
    EXPECT_TRUE(outcome.boxes.empty());
    EXPECT_EQ(ReadBytes(out + "\\song_MO.WAV"), hand);
    EXPECT_EQ(ReadSavedWave(out + "\\song_MO.WAV").channels, 1);
    EXPECT_FALSE(Exists(b + "\\song_MO.WAV"));
    EXPECT_EQ(ReportLines(out + "\\lomvex-batch.txt"),
              (Lines{"saved  " + b + "\\song.wav -> " + out + "\\song_MO.WAV (0:02.0)",
                     "1 saved, 0 failed"}));
}

// "a.wav" would be saved as "a_MO.WAV", which is itself a song of the
// batch: that one is skipped, and the song is left as it was. The output
// of "a_MO.WAV", left by an earlier run, is replaced.
TEST(Batch, NeverWritesOverASourceAndReplacesAnOldOutput) {
    const Bytes song = WavSong(), other = WavSong(44100);
    const std::string b = MakeTempFolder("batch-onto");
    ASSERT_TRUE(WriteBytes(b + "\\a.wav", song));
    ASSERT_TRUE(WriteBytes(b + "\\a_MO.WAV", other));
    ASSERT_TRUE(WriteBytes(b + "\\a_MO_MO.WAV", {'o', 'l', 'd'}));
    const BatchOutcome outcome =
        RunBatch(Quoted(b + "\\a.wav") + " " + Quoted(b + "\\a_MO.WAV"), {});
    EXPECT_EQ(outcome.exitCode, 1);
    EXPECT_TRUE(outcome.boxes.empty());
    EXPECT_EQ(ReadBytes(b + "\\a_MO.WAV"), other);
    EXPECT_TRUE(ReadSavedWave(b + "\\a_MO_MO.WAV").valid);
    EXPECT_EQ(ReportLines(b + "\\lomvex-batch.txt"),
              (Lines{"failed " + b + "\\a.wav: the output would replace a source of this batch: " +
                         b + "\\a_MO.WAV",
                     "saved  " + b + "\\a_MO.WAV -> " + b + "\\a_MO_MO.WAV (0:01.0)",
                     "1 saved, 1 failed"}));
}

TEST(Batch, BadArgumentsAndNothingToDoEndWithCodeTwo) {
    const std::string b = MakeTempFolder("batch-bad");
    ASSERT_TRUE(WriteBytes(b + "\\song.wav", WavSong(4410)));
    const std::string usage = "usage: lomvex.exe /S [/O folder] [/C n] file-or-folder ...";
    BatchOutcome outcome = RunBatch("/P " + Quoted(b + "\\song.wav"), {});
    EXPECT_EQ(outcome.exitCode, 2);
    EXPECT_TRUE(outcome.boxes.empty());
    EXPECT_EQ(ReportLines(b + "\\lomvex-batch.txt"), (Lines{"/P cannot be used with /S", usage}));
    EXPECT_FALSE(Exists(b + "\\song_MO.WAV"));

    const std::string empty = b + "\\empty";
    ASSERT_TRUE(CreateDirectoryA(empty.c_str(), nullptr));
    outcome = RunBatch(Quoted(empty), {});
    EXPECT_EQ(outcome.exitCode, 2);
    EXPECT_EQ(ReportLines(empty + "\\lomvex-batch.txt"), (Lines{"nothing to save", usage}));
}

// Closing the window during a save stops the batch: the partial file is
// deleted, the rest is not started, the report says so.
TEST(Batch, ClosingTheWindowStopsAfterDeletingThePartialFile) {
    const std::string b = MakeTempFolder("batch-close");
    ASSERT_TRUE(WriteBytes(b + "\\long.wav", WavSong(44100 * 60)));
    ASSERT_TRUE(WriteBytes(b + "\\next.wav", WavSong(4410)));
    const BatchOutcome outcome =
        RunBatch(Quoted(b + "\\long.wav") + " " + Quoted(b + "\\next.wav"), {{"voicecut", "1"}},
                 [](LomvexProcess& program) {
                     ASSERT_NE(program.MainWindow(), nullptr);
                     EXPECT_TRUE(WaitUntil([&] {
                         return WindowText(program.MainWindow()) == "Lomvex - 1/2 long.wav" &&
                                !program.IsEnabled(IDM_PLAY);
                     }));
                     program.Close();
                 });
    EXPECT_EQ(outcome.exitCode, 1);
    EXPECT_TRUE(outcome.boxes.empty());
    EXPECT_FALSE(Exists(b + "\\long_MO.WAV"));
    EXPECT_FALSE(Exists(b + "\\next_MO.WAV"));
    EXPECT_EQ(ReportLines(b + "\\lomvex-batch.txt"),
              (Lines{"failed " + b + "\\long.wav: stopped: the window was closed",
                     "failed " + b + "\\next.wav: not saved: the batch was stopped",
                     "0 saved, 2 failed"}));
}

TEST(Batch, StopEndsTheBatchLikeClosing) {
    const std::string b = MakeTempFolder("batch-stop");
    ASSERT_TRUE(WriteBytes(b + "\\long.wav", WavSong(44100 * 60)));
    const BatchOutcome outcome =
        RunBatch(Quoted(b + "\\long.wav"), {{"voicecut", "1"}}, [](LomvexProcess& program) {
            ASSERT_NE(program.MainWindow(), nullptr);
            EXPECT_TRUE(WaitUntil([&] { return program.IsEnabled(IDM_STOP); }));
            program.PostCommand(IDM_STOP);
        });
    EXPECT_EQ(outcome.exitCode, 1);
    EXPECT_TRUE(outcome.boxes.empty());
    EXPECT_FALSE(Exists(b + "\\long_MO.WAV"));
    EXPECT_EQ(
        ReportLines(b + "\\lomvex-batch.txt"),
        (Lines{"failed " + b + "\\long.wav: stopped by the Stop button", "0 saved, 1 failed"}));
}

// With the level warning on, what its box would say follows the saved line.
TEST(Batch, TheLevelWarningBecomesANoteOfTheSavedLine) {
    const std::string b = MakeTempFolder("batch-level");
    ASSERT_TRUE(WriteBytes(b + "\\song.wav", WavSong(4410)));
    const BatchOutcome outcome = RunBatch(Quoted(b + "\\song.wav"), {{"levelwarning", "1"}});
    EXPECT_EQ(outcome.exitCode, 0);
    EXPECT_TRUE(outcome.boxes.empty());
    const Lines lines = ReportLines(b + "\\lomvex-batch.txt");
    ASSERT_EQ(lines.size(), 2u);
    const std::string saved =
        "saved  " + b + "\\song.wav -> " + b + "\\song_MO.WAV (0:00.1) note: ";
    EXPECT_TRUE(StartsWith(lines[0], saved)) << lines[0];
    EXPECT_GT(lines[0].size(), saved.size());
    EXPECT_TRUE(ReadSavedWave(b + "\\song_MO.WAV").valid);
}

}  // namespace
}  // namespace lomvex::e2e
