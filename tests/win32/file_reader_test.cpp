// The file reader on real files through mmio and the real wave mapper.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>

#include "audiofile/win32/play_file_binding.h"
#include "engine/win32/open_play_file.h"
#include "common/riff_builder.h"
#include "audiofile/format_state.h"
#include "resources/ids.h"
#include "base/program_state.h"
#include "win32/capturing_sink.h"
#include "win32/test_engine_host.h"

namespace lomvex {
namespace {

using testing::Bytes;
using testing::Chunk;
using testing::PcmFormat;
using testing::Riff;

std::string TestData(const char* name) {
    std::string path = std::string("Z:") + LOMVEX_TEST_DATA + "/" + name;
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

class FileReaderTest : public ::testing::Test {
   protected:
    void SetUp() override { program.windowsVersion = 0x0601; }
    void TearDown() override {
        playFile.Close();
        fileFormat.Release();
        for (const std::string& path : written_) DeleteFileA(path.c_str());
    }
    std::string Write(const Bytes& bytes) {
        char temp[MAX_PATH], name[MAX_PATH];
        GetTempPathA(sizeof temp, temp);
        GetTempFileNameA(temp, "lmv", 0, name);
        std::ofstream(name, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        written_.push_back(name);
        return name;
    }
    bool Open(const std::string& path) {
        program.currentPath = path;
        return OpenPlayFile();
    }
    FormatFields Fields() { return ReadFormatFields(fileFormat.Data()); }

    testing::CapturingSink sink;
    testing::TestEngineHost host;
    std::vector<std::string> written_;
};

TEST_F(FileReaderTest, WavesOpenAtTheirDataThroughMmio) {
    Bytes samples = testing::RampSamples(2, 16, 100);
    Bytes wave = Riff("WAVE", {Chunk("data", samples), Chunk("LIST", Bytes(7, 'x')),
                               Chunk("fmt ", PcmFormat(2, 22050, 16))});
    ASSERT_TRUE(Open(Write(wave)));
    EXPECT_EQ(playFile.kind, FileKind::Wav);
    EXPECT_EQ(playFile.dataSize, samples.size());
    uint8_t first[8];
    ASSERT_EQ(playFile.file->Read(first, 8), 8u);
    EXPECT_EQ(Bytes(first, first + 8), Bytes(samples.begin(), samples.begin() + 8));
    EXPECT_EQ(formatState.layout, 3);
    EXPECT_EQ(formatState.rateKhz, 22u);
    EXPECT_TRUE(sink.boxes.empty());
}

TEST_F(FileReaderTest, EncodedFilesAreRecognisedByContent) {
    struct Case {
        const char* name;
        FileKind kind;
        uint16_t channels;
        uint32_t rate;
    };
    for (const Case& c : {Case{"cbr128.mp3", FileKind::Mp3, 2, 44100},
                          Case{"vbr.mp3", FileKind::Mp3, 2, 44100},
                          Case{"id3.mp3", FileKind::Mp3, 2, 44100},
                          Case{"mpeg2_22k.mp3", FileKind::Mp3, 1, 22050},
                          Case{"mpeg25_8k.mp3", FileKind::Mp3, 1, 8000},
                          Case{"tone.ogg", FileKind::Ogg, 2, 44100}}) {
        bool opened = Open(TestData(c.name));
        // Wine has no Ogg Vorbis codec: the device check refuses the format.
        if (c.kind == FileKind::Ogg && !opened) {
            ASSERT_EQ(sink.Texts(), std::vector<std::string>{"No support this format"});
            EXPECT_EQ(formatState.tag, kTagOggVorbis);
            sink.boxes.clear();
            continue;
        }
        ASSERT_TRUE(opened) << c.name;
        EXPECT_EQ(playFile.kind, c.kind) << c.name;
        EXPECT_EQ(Fields().channels, c.channels) << c.name;
        EXPECT_EQ(Fields().samplesPerSec, c.rate) << c.name;
        EXPECT_GT(Fields().avgBytesPerSec, 0u) << c.name;
    }
    EXPECT_TRUE(sink.boxes.empty());
}

TEST_F(FileReaderTest, RmpWrapsTheMpegFrames) {
    std::ifstream in(TestData("cbr128.mp3").substr(2), std::ios::binary);
    Bytes mp3((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_FALSE(mp3.empty());
    ASSERT_TRUE(Open(Write(Riff("RMP3", {Chunk("data", mp3)}))));
    EXPECT_EQ(playFile.kind, FileKind::Rmp);
    EXPECT_EQ(playFile.dataSize, mp3.size());
    EXPECT_EQ(Fields().tag, kTagMpegLayer3);
}

TEST_F(FileReaderTest, FailuresShowTheStringTableTexts) {
    Bytes fmt = Chunk("fmt ", PcmFormat(2, 44100, 16));
    EXPECT_FALSE(Open(Write(Bytes(50, 0x20))));
    EXPECT_FALSE(Open(Write(Riff("WAVE", {Chunk("data", Bytes(4, 0))}))));
    EXPECT_FALSE(Open(Write(Riff("WAVE", {fmt}))));
    EXPECT_FALSE(Open(Write(Riff("WAVE", {fmt, Chunk("data", Bytes())}))));
    EXPECT_FALSE(Open("Z:\\no\\such\\file.wav"));
    EXPECT_FALSE(Open(""));
    EXPECT_EQ(sink.Texts(), (std::vector<std::string>{"This file is not WAVE file", "file destroyed",
                                                      "no data", "data empty", "cant open file",
                                                      "file name ?"}));
    for (const MessageBoxRequest& box : sink.boxes) {
        EXPECT_EQ(box.icon, BoxIcon::Exclamation);
        EXPECT_TRUE(box.caption.empty());
    }
    EXPECT_EQ(playFile.file, nullptr);
    EXPECT_EQ(fileFormat.Data(), nullptr);
}

TEST_F(FileReaderTest, TheWaveMapperRefusesWhatItCannotPlay) {
    Bytes odd = PcmFormat(2, 44100, 16, true, 0x7777);
    EXPECT_FALSE(Open(Write(Riff("WAVE", {Chunk("fmt ", odd), Chunk("data", Bytes(4, 0))}))));
    ASSERT_EQ(sink.boxes.size(), 1u);
    EXPECT_EQ(sink.boxes[0].text, "No support this format");
}

TEST_F(FileReaderTest, JapaneseModeUsesTheBuiltInTexts) {
    SetJapaneseMessages(true);
    EXPECT_FALSE(Open(Write(Riff("WAVE", {Chunk("fmt ", PcmFormat(2, 44100, 16))}))));
    ASSERT_EQ(sink.boxes.size(), 1u);
    // "WAVEファイルにデータ チャンクがありません。" in Shift-JIS.
    EXPECT_EQ(sink.boxes[0].text.substr(0, 8), "WAVE\x83\x74\x83\x40");
}

}  // namespace
}  // namespace lomvex
