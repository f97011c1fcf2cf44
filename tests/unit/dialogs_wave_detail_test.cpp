// The wave detail walk over files in memory: plain WAV files field by field,
// "fact" chunks, format-tag names, the MPEG Layer-3 extension, the parser
// dumps of MP3, RMP and Ogg files, and hostile files.
#include "dialogs/wave_detail.h"

#include <gtest/gtest.h>

#include <memory>

#include "common/cp932.h"
#include "common/recording_sink.h"
#include "common/riff_builder.h"

namespace lomvex {
namespace {

using testing::AppendU16;
using testing::AppendU32;
using testing::Bytes;
using testing::Chunk;
using testing::Cp932;
using testing::PcmFormat;
using testing::Riff;
namespace id = detail_ids;

WaveDetail Walk(const Bytes& bytes, WaveDetailInputs in = {}) {
    MemoryRiffFile file(bytes);
    in.fileSizeKnown = true;
    in.fileSize = bytes.size();
    return DescribeWaveDetail(&file, in);
}

// The text of a control, or "<unset>" when the walk did not set it.
std::string Text(const WaveDetail& d, int control) {
    auto found = d.texts.find(control);
    return found == d.texts.end() ? "<unset>" : found->second;
}

// Two MPEG-1 Layer III frames, 128 kbit/s at 44.1 kHz, 417 bytes each.
Bytes Mp3Frames() {
    Bytes frames;
    for (int i = 0; i < 2; ++i) {
        size_t start = frames.size();
        frames.insert(frames.end(), {0xFF, 0xFB, 0x90, 0x00});
        frames.resize(start + 417, 0);
    }
    return frames;
}

// A 30-byte "fmt " of tag 85 with its Layer-3 extension.
Bytes Mp3Format() {
    Bytes f;
    AppendU16(f, 85);
    AppendU16(f, 2);
    AppendU32(f, 44100);
    AppendU32(f, 16000);
    AppendU16(f, 1);
    AppendU16(f, 0);
    AppendU16(f, 12);
    AppendU16(f, 1);     // id
    AppendU32(f, 2);     // flags
    AppendU16(f, 417);   // block size
    AppendU16(f, 1);     // frames per block
    AppendU16(f, 1393);  // codec delay
    return f;
}

Bytes Count(uint32_t samples) {
    Bytes b;
    AppendU32(b, samples);
    return b;
}

TEST(WaveDetail, CanonicalWaveFieldByField) {
    Bytes wav = testing::PcmWave(2, 44100, 16, 44100);
    ASSERT_EQ(wav.size(), 44u + 176400);
    WaveDetail d = Walk(wav);
    EXPECT_EQ(d.kind, DetailKind::Plain);
    EXPECT_FALSE(d.showDump);
    EXPECT_EQ(Text(d, id::kFileSize), "176444");
    EXPECT_EQ(Text(d, id::kRiffId), "RIFF");
    EXPECT_EQ(Text(d, id::kRiffSize), "176436");
    EXPECT_EQ(Text(d, id::kRiffType), "WAVE");
    EXPECT_EQ(Text(d, id::kChunkId), "fmt ");
    EXPECT_EQ(Text(d, id::kChunkSize), "16");
    EXPECT_EQ(Text(d, id::kTag), "1");
    EXPECT_EQ(Text(d, id::kTagHint), "PCM");
    EXPECT_EQ(Text(d, id::kChannels), "2");
    EXPECT_EQ(Text(d, id::kChannelsHint), "stereo");
    EXPECT_EQ(Text(d, id::kRate), "44100");
    EXPECT_EQ(Text(d, id::kRateHint), "23microSec");
    EXPECT_EQ(Text(d, id::kByteRate), "176400");
    EXPECT_EQ(Text(d, id::kBlockAlign), "4");
    EXPECT_EQ(Text(d, id::kBits), "16");
    EXPECT_EQ(Text(d, id::kCbSize), "");  // cleared, no cbSize in 16 bytes
    EXPECT_EQ(Text(d, id::kNextChunkId), "data");
    EXPECT_EQ(Text(d, id::kNextChunkSize), "176400");
    EXPECT_EQ(Text(d, id::kLastChunkIdHint), "<unset>");
    EXPECT_EQ(Text(d, id::kTotalTime), "1.000000 sec");
    EXPECT_EQ(Text(d, id::kRiffSizeHint), "<unset>");  // the template's "FileSize-8"
}

TEST(WaveDetail, FactBeforeData) {
    Bytes wav = Riff("WAVE", {Chunk("fmt ", PcmFormat(1, 22050, 8, true)),
                              Chunk("fact", Count(11025)), Chunk("data", Bytes(11025, 0x80))});
    WaveDetail d = Walk(wav);
    EXPECT_EQ(Text(d, id::kChunkSize), "18");
    EXPECT_EQ(Text(d, id::kCbSize), "0");
    EXPECT_EQ(Text(d, id::kChannelsHint), "monaural");
    EXPECT_EQ(Text(d, id::kNextChunkId), "fact");
    EXPECT_EQ(Text(d, id::kNextChunkSize), "4");
    EXPECT_EQ(Text(d, id::kRiffSizeHint), "fact=11025");
    EXPECT_EQ(Text(d, id::kRiffTypeHint), "0.500000 sec");
    EXPECT_EQ(Text(d, id::kLastChunkIdHint), "data");
    EXPECT_EQ(Text(d, id::kLastChunkSizeHint), "11025");
    EXPECT_EQ(Text(d, id::kTotalTime), "0.500000 sec");  // the data's size, not the fact's
}

TEST(WaveDetail, FormatTagNames) {
    auto tagHint = [](uint16_t tag, FormatTagLookup lookup = nullptr) {
        WaveDetailInputs in;
        in.lookupTagName = std::move(lookup);
        Bytes wav =
            Riff("WAVE", {Chunk("fmt ", PcmFormat(2, 8000, 4, true, tag)), Chunk("data", {})});
        return Text(Walk(wav, in), id::kTagHint);
    };
    int asked = 0;
    auto platform = [&asked](uint16_t tag) {
        ++asked;
        return tag == 0x1234 ? std::string("Vendor codec") : std::string();
    };
    EXPECT_EQ(tagHint(0), "?");
    EXPECT_EQ(tagHint(2, platform), "MS-ADPCM");
    EXPECT_EQ(tagHint(0x674F), "OggVorbis mode1");
    EXPECT_EQ(asked, 0);  // the table's names need no platform
    EXPECT_EQ(tagHint(0x1234), "unknown");
    EXPECT_EQ(tagHint(0x1234, platform), "Vendor codec");
    EXPECT_EQ(tagHint(0x4321, platform), "unknown");
    EXPECT_EQ(asked, 2);
}

TEST(WaveDetail, Layer3ExtensionAndDump) {
    testing::RecordingSink sink;
    Bytes wav = Riff("WAVE", {Chunk("fmt ", Mp3Format()), Chunk("data", Mp3Frames())});
    WaveDetail d = Walk(wav);
    EXPECT_EQ(d.kind, DetailKind::WaveMp3);
    EXPECT_TRUE(d.showDump);
    EXPECT_EQ(Text(d, id::kTag), "85");
    EXPECT_EQ(Text(d, id::kCbSize), "12");
    EXPECT_EQ(Text(d, id::kTagHint), "ID=1");  // the record's tag does not replace it
    EXPECT_EQ(Text(d, id::kChannelsHint), "flags=0002");
    EXPECT_EQ(Text(d, id::kBlockAlignHint), "blksiz=417");
    EXPECT_EQ(Text(d, id::kBitsHint), "frames=1");
    EXPECT_EQ(Text(d, id::kCbSizeHint), "delay=1393");
    EXPECT_EQ(Text(d, id::kByteRateHint), "16000");  // from the parsed frames
    EXPECT_EQ(Text(d, id::kRateHint), "44100");
    EXPECT_EQ(Text(d, id::kTotalTime), "0.052125 sec");  // 834 / 16000
    EXPECT_NE(d.dump.find("SyncHead=fff\r\n"), std::string::npos);
    EXPECT_NE(d.dump.find("Block=417\r\n"), std::string::npos);
    EXPECT_NE(d.dump.find("CBR\r\n"), std::string::npos);
    EXPECT_TRUE(sink.boxes.empty());
}

TEST(WaveDetail, RmpRawMp3AndOgg) {
    testing::RecordingSink sink;
    WaveDetail rmp = Walk(Riff("RMP3", {Chunk("data", Mp3Frames())}));
    EXPECT_EQ(rmp.kind, DetailKind::RiffMp3);
    EXPECT_TRUE(rmp.showDump);
    EXPECT_EQ(Text(rmp, id::kChunkId), "data");
    EXPECT_EQ(Text(rmp, id::kTagHint), "85");
    EXPECT_EQ(Text(rmp, id::kChannelsHint), "2");
    EXPECT_EQ(Text(rmp, id::kBlockAlignHint), "1");
    EXPECT_EQ(Text(rmp, id::kBitsHint), "0");
    EXPECT_EQ(Text(rmp, id::kCbSizeHint), "12");
    EXPECT_EQ(Text(rmp, id::kTotalTime), "0.052125 sec");  // the "data" size, not the file's

    Bytes raw = Mp3Frames();
    raw.resize(400 * 100, 0);  // one good frame header is all the parser needs
    WaveDetail mp3 = Walk(raw);
    EXPECT_EQ(mp3.kind, DetailKind::NotRiff);
    EXPECT_EQ(Text(mp3, id::kRiffId), "FFF");
    EXPECT_EQ(Text(mp3, id::kTotalTime), "2.500000 sec");  // the whole file at 16000 B/s
    EXPECT_EQ(Text(mp3, id::kRiffSize), "");

    Bytes ogg = {'O', 'g', 'g', 'S', 0, 2};
    ogg.resize(26, 0);
    ogg.insert(ogg.end(), {1, 30, 1, 'v', 'o', 'r', 'b', 'i', 's'});
    ogg.resize(39, 0);
    ogg.push_back(2);
    AppendU32(ogg, 44100);
    AppendU32(ogg, 0);
    AppendU32(ogg, 128000);
    ogg.resize(32000, 0);
    WaveDetail o = Walk(ogg);
    EXPECT_EQ(o.kind, DetailKind::NotRiff);
    EXPECT_EQ(Text(o, id::kRiffId), "OggS");
    EXPECT_EQ(o.dump, "freq=44100\r\nrate=128000\r\nchannel=2\r\n");
    EXPECT_EQ(Text(o, id::kTagHint), "26447");
    EXPECT_EQ(Text(o, id::kTotalTime), "2.000000 sec");
}

TEST(WaveDetail, FilesThatCannotBeReadShowWhatTheyCan) {
    WaveDetailInputs sized;
    sized.fileSizeKnown = true;
    sized.fileSize = 5000000000ull;
    WaveDetail closed = DescribeWaveDetail(nullptr, sized);
    EXPECT_EQ(closed.kind, DetailKind::Plain);
    EXPECT_FALSE(closed.showDump);
    EXPECT_EQ(Text(closed, id::kFileSize), "5000000000");
    EXPECT_EQ(Text(closed, id::kRiffId), "<unset>");
    EXPECT_EQ(Text(closed, id::kTotalTime), "");

    WaveDetail empty = Walk({});
    EXPECT_EQ(empty.kind, DetailKind::NotRiff);
    EXPECT_EQ(Text(empty, id::kRiffId), "");
    EXPECT_EQ(Text(empty, id::kTotalTime), "");
    EXPECT_EQ(empty.dump, "");

    WaveDetail shortId = Walk({'R', 'I', 0});
    EXPECT_EQ(Text(shortId, id::kRiffId), "RI");
    WaveDetail riffOnly = Walk({'R', 'I', 'F', 'F', 1, 0});
    EXPECT_EQ(riffOnly.kind, DetailKind::Plain);
    EXPECT_EQ(Text(riffOnly, id::kRiffSize), "");
    EXPECT_EQ(Text(riffOnly, id::kTotalTime), "unknown sec");
}

TEST(WaveDetail, SizesPastTheEndAndAbove2GiB) {
    Bytes wav = Riff(
        "WAVE", {Chunk("fmt ", PcmFormat(2, 44100, 16), 0xFFFFFFFF), Chunk("data", Bytes(16, 0))});
    wav[4] = wav[5] = wav[6] = wav[7] = 0xFF;
    WaveDetail d = Walk(wav);
    EXPECT_EQ(Text(d, id::kRiffSize), "4294967295");
    EXPECT_EQ(Text(d, id::kChunkSize), "4294967295");
    EXPECT_EQ(Text(d, id::kBits), "16");       // the fields are in the file
    EXPECT_EQ(Text(d, id::kNextChunkId), "");  // the next chunk is past the end
    EXPECT_EQ(Text(d, id::kTotalTime), "unknown sec");

    Bytes longData = Riff("WAVE", {Chunk("fmt ", PcmFormat(2, 44100, 16)),
                                   Chunk("data", Bytes(8, 0), 176400u * 20000)});
    EXPECT_EQ(Text(Walk(longData), id::kTotalTime), "20000.000000 sec");  // as the header says
}

TEST(WaveDetail, ShortFormatChunksShowOnlyTheirOwnFields) {
    // An 8-byte "fmt ": tag, channels and rate; the "data" after it still found.
    Bytes eight = PcmFormat(2, 44100, 16);
    eight.resize(8);
    WaveDetail d = Walk(Riff("WAVE", {Chunk("fmt ", eight), Chunk("data", Bytes(100, 0))}));
    EXPECT_EQ(Text(d, id::kRate), "44100");
    EXPECT_EQ(Text(d, id::kByteRate), "");
    EXPECT_EQ(Text(d, id::kBlockAlign), "");
    EXPECT_EQ(Text(d, id::kNextChunkId), "data");
    EXPECT_EQ(Text(d, id::kTotalTime), "unknown sec");

    // An odd-sized "fmt " is followed by its pad byte.
    Bytes odd = PcmFormat(2, 44100, 16, true);
    odd.push_back(7);
    d = Walk(Riff("WAVE", {Chunk("fmt ", odd), Chunk("data", Bytes(1764, 0))}));
    EXPECT_EQ(Text(d, id::kChunkSize), "19");
    EXPECT_EQ(Text(d, id::kNextChunkId), "data");
    EXPECT_EQ(Text(d, id::kTotalTime), "0.010000 sec");

    // A Layer-3 extension cut short by its chunk shows no field past it.
    Bytes cut = Mp3Format();
    cut.resize(24);
    d = Walk(Riff("WAVE", {Chunk("fmt ", cut), Chunk("data", Mp3Frames())}));
    EXPECT_EQ(Text(d, id::kTagHint), "ID=1");
    EXPECT_EQ(Text(d, id::kChannelsHint), "flags=0002");
    EXPECT_EQ(Text(d, id::kBlockAlignHint), "<unset>");  // not the "data" chunk's bytes
    EXPECT_EQ(Text(d, id::kNextChunkId), "data");
}

TEST(WaveDetail, ZeroRatesAndAnEmptyFact) {
    Bytes zero = PcmFormat(2, 0, 16);  // rate and byte rate 0
    WaveDetail d = Walk(Riff(
        "WAVE", {Chunk("fmt ", zero), Chunk("fact", Count(500)), Chunk("data", Bytes(10, 0))}));
    EXPECT_EQ(Text(d, id::kRateHint), "Inf sec");
    EXPECT_EQ(Text(d, id::kRiffTypeHint), "Inf sec");
    EXPECT_EQ(Text(d, id::kTotalTime), "unknown sec");
    WaveDetailInputs japanese;
    japanese.japanese = true;
    d = Walk(Riff("WAVE", {Chunk("fmt ", zero), Chunk("data", {})}), japanese);
    EXPECT_EQ(Text(d, id::kRateHint), Cp932("∞ 秒"));
    EXPECT_EQ(Text(d, id::kTotalTime), Cp932("不明 sec"));

    // "fact" with nothing after it: no count, and no data to time.
    d = Walk(Riff("WAVE", {Chunk("fmt ", PcmFormat(2, 44100, 16)), Chunk("fact", {})}));
    EXPECT_EQ(Text(d, id::kNextChunkId), "fact");
    EXPECT_EQ(Text(d, id::kNextChunkSize), "0");
    EXPECT_EQ(Text(d, id::kRiffSizeHint), "<unset>");
    EXPECT_EQ(Text(d, id::kTotalTime), "unknown sec");
    Bytes idOnly = Riff("WAVE", {Chunk("fmt ", PcmFormat(2, 44100, 16))});
    idOnly.insert(idOnly.end(), {'f', 'a', 'c', 't'});
    d = Walk(idOnly);
    EXPECT_EQ(Text(d, id::kNextChunkId), "fact");
    EXPECT_EQ(Text(d, id::kNextChunkSize), "");
}

TEST(WaveDetail, SpelledAndJapaneseHints) {
    WaveDetailInputs in;
    in.useclip = true;
    Bytes wav =
        Riff("WAVE", {Chunk("fmt ", PcmFormat(2, 44100, 16)), Chunk("data", Bytes(100, 0))});
    WaveDetail d = Walk(wav, in);
    EXPECT_EQ(Text(d, id::kRiffSizeHint), "FileSize minus 8");
    EXPECT_EQ(Text(d, id::kTotalTime), "0.567 msec");
    in.japanese = true;
    d = Walk(wav, in);
    EXPECT_EQ(Text(d, id::kRiffSizeHint), Cp932("FileSizeﾏｲﾅｽ8"));
    EXPECT_EQ(Text(d, id::kByteRateHint), Cp932("Sample×Block"));
    EXPECT_EQ(Text(d, id::kBlockAlignHint), Cp932("ﾁｬﾈﾙ×Bits/8"));
    EXPECT_EQ(Text(d, id::kChannelsHint), Cp932("ステレオ"));
    EXPECT_EQ(Text(d, id::kRateHint), Cp932("23 ﾏｲｸﾛ秒"));
    EXPECT_EQ(Text(d, id::kTotalTime), Cp932("0.567ミリ秒"));
    EXPECT_EQ(DetailTimeText(176400, 176400, true, true), "1.000000 sec");
}

}  // namespace
}  // namespace lomvex
