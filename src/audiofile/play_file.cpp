// The file reader: kind by content, format record, device check, data.
#include "audiofile/play_file.h"

#include <vector>

#include "audiofile/decoded_vorbis.h"
#include "audiofile/header_result.h"
#include "audiofile/mpeg_header.h"
#include "audiofile/ogg_header.h"
#include "audiofile/reader_texts.h"
#include "base/base_texts.h"
#include "base/device_messages.h"
#include "base/messages.h"
#include "resources/ids.h"

namespace lomvex {
namespace {

// The oldest shells check only PCM and single-channel formats.
constexpr unsigned kOldestCheckingShell = 0x030B;
// A "fmt " chunk is kept in a block whose size is a 16-bit count.
constexpr uint32_t kLargestFormatChunk = 0xFFFF;

// Steps of one open; every failing step has shown its message already.
class Opener {
   public:
    Opener(PlayFileHost& host, FormatBlock& block, OpenedPlayFile& opened)
        : host_(host), block_(block), opened_(opened) {}

    bool Run(const std::string& path) {
        if (path.empty()) return Fail(IDS_FILE_NAME_MISSING, ja::kFileNameMissing);
        if (path.size() > kMaxPathLength) return Fail(IDS_PATH_TOO_LONG, ja::kPathTooLong);
        opened_.file = host_.OpenFile(path);
        if (!opened_.file) return Fail(IDS_CANT_OPEN_FILE, ja::kCantOpenFile);
        RiffFile& file = *opened_.file;
        opened_.dataSize = opened_.remaining = 0;
        uint32_t formType = 0;
        bool riff = file.DescendRiff(formType);
        bool described = !riff                        ? DescribeUnwrapped(file)
                         : formType == FourCc("WAVE") ? DescribeWave(file)
                                                      : DescribeWrappedMpeg(file);
        if (!described) return Close();
        const uint8_t* record = block_.Data();
        if (!AcceptsShape(record)) return Close();
        host_.ShowFormat(record, block_.Size());
        if (!CheckDevice()) return Close();
        return riff ? FindWaveData(file) : UseWholeFile(file);
    }

   private:
    bool Fail(int id, const char* japanese) {
        ShowUserMessage(id, japanese);
        return Close();
    }

    bool Close() {
        block_.Release();
        opened_.Close();
        opened_.dataSize = opened_.remaining = 0;
        return false;
    }

    // Not RIFF: raw MPEG audio, else Ogg; the data is the whole file.
    bool DescribeUnwrapped(RiffFile& file) {
        opened_.dataSize = opened_.remaining = file.Length();
        file.Seek(0);
        int mpeg = ParseMpegHeader(file, block_, opened_.dataSize, nullptr);
        if (mpeg == kHeaderNoMemory) return false;
        if (mpeg == kHeaderParsed) {
            ReadGaplessTag(file, 0, opened_.dataSize);
            return Kind(FileKind::Mp3);
        }
        int ogg = ParseOggHeader(file, block_, 0, nullptr);
        if (ogg == kHeaderNoMemory) return false;
        if (ogg == kHeaderParsed) return Kind(FileKind::Ogg);
        if (ogg == kHeaderOtherCodec) {
            std::string codec = OggFirstCodec(file, 0);
            ShowUserMessage(IDS_OGG_NOT_VORBIS, ja::kOggNotVorbis, codec.c_str());
            return false;
        }
        ShowUserMessage(IDS_NOT_WAVE_FILE, ja::kNotRiffFile);
        return false;
    }

    bool DescribeWave(RiffFile& file) {
        uint32_t size = 0;
        if (!file.DescendChunk(FourCc("fmt "), size)) {
            ShowUserMessage(IDS_FILE_DESTROYED, ja::kFileDestroyed);
            return false;
        }
        // Shorter than the PCM fields, or longer than its block can count:
        // refused rather than read past either end.
        if (size < kPcmFormatSize || size > kLargestFormatChunk) {
            ShowUserMessage(IDS_CANT_READ_FMT, ja::kCantReadFmt);
            return false;
        }
        uint8_t* record = block_.Acquire(size);
        if (record == nullptr) return false;
        if (file.Read(record, size) != size) {
            ShowUserMessage(IDS_CANT_READ_FMT, ja::kCantReadFmt);
            return false;
        }
        file.Ascend();
        return Kind(FileKind::Wav);
    }

    // Another RIFF form: MPEG frames in the "data" chunk.
    bool DescribeWrappedMpeg(RiffFile& file) {
        uint32_t size = 0;
        if (!file.DescendChunk(FourCc("data"), size)) {
            ShowUserMessage(IDS_NO_DATA, ja::kRiffNoData);
            return false;
        }
        opened_.dataSize = opened_.remaining = size;
        const uint32_t dataStart = file.Tell();
        int mpeg = ParseMpegHeader(file, block_, size, nullptr);
        if (mpeg == kHeaderNoMemory) return false;
        if (mpeg != kHeaderParsed) {
            ShowUserMessage(IDS_NOT_WAVE_FILE, ja::kNotWaveFile);
            return false;
        }
        ReadGaplessTag(file, dataStart, size);
        file.Ascend();
        file.Ascend();
        file.Seek(0);
        uint32_t formType = 0;
        file.DescendRiff(formType);
        return Kind(FileKind::Rmp);
    }

    // The LAME tag of the MPEG data of `dataBytes` at `dataStart`, when it
    // has one; the position is left anywhere (callers seek afterwards).
    void ReadGaplessTag(RiffFile& file, uint32_t dataStart, uint32_t dataBytes) {
        uint32_t frameStart = 0;
        opened_.gapless = file.Seek(dataStart) && FindFirstFrame(file, frameStart) &&
                          frameStart - dataStart < dataBytes &&
                          ReadLameTag(file, frameStart, dataBytes - (frameStart - dataStart),
                                      opened_.gaplessInfo);
    }

    bool Kind(FileKind kind) {
        opened_.kind = kind;
        return true;
    }

    // A record the engine cannot play is refused with what is wrong with
    // it, before anything sizes buffers or opens a device from it.
    bool AcceptsShape(const uint8_t* record) {
        FormatFields f = ReadFormatFields(record);
        switch (FindShapeProblem(f)) {
            case ShapeProblem::None:
                return true;
            case ShapeProblem::Channels:
                ShowUserMessage(IDS_BAD_CHANNELS, ja::kBadChannels, unsigned{f.channels});
                return false;
            case ShapeProblem::Rate:
                ShowUserMessage(IDS_BAD_RATE, ja::kBadRate,
                                static_cast<unsigned long>(f.samplesPerSec));
                return false;
            case ShapeProblem::Bits:
                ShowUserMessage(IDS_BAD_BITS, ja::kBadBits, unsigned{f.bitsPerSample});
                return false;
            case ShapeProblem::Block:
                ShowUserMessage(IDS_BAD_BLOCK, ja::kBadBlock, unsigned{f.blockAlign});
                return false;
        }
        return false;
    }

    bool CheckDevice() {
        uint8_t* record = block_.Data();
        FormatFields fields = ReadFormatFields(record);
        // A 48 kHz MP3 is checked as 44.1 kHz and then played at 48 kHz.
        bool mp3At48k = fields.tag == kTagMpegLayer3 && fields.samplesPerSec == 48000;
        if (mp3At48k) PutU32Le(record + kFmtSamplesPerSec, 44100);
        bool checked = host_.WindowsVersion() > kOldestCheckingShell || fields.tag == kTagPcm ||
                       fields.channels == 1;
        unsigned result = checked ? host_.QueryOutputFormat(record, block_.Size()) : 0;
        if (mp3At48k) PutU32Le(record + kFmtSamplesPerSec, 48000);
        if (result == 0) return true;
        // No codec takes the Vorbis record: the program decodes the file
        // itself, so the stream must open and the device take its PCM.
        if (opened_.kind == FileKind::Ogg) {
            if (!OpensAsVorbis(*opened_.file)) return false;
            uint8_t pcm[kPcmFormatSize + 2] = {};
            WriteDecodedPcmRecord(pcm, fields.channels, fields.samplesPerSec);
            result = host_.QueryOutputFormat(pcm, sizeof pcm);
            if (result == 0) return true;
        }
        host_.ShowLength(opened_.dataSize);
        ShowOutputOpenMessage(result, ja::kOutputAllocated);
        return false;
    }

    // Whether the program's own decoder opens the file: one logical stream
    // whose headers decode. Shows why not.
    bool OpensAsVorbis(RiffFile& file) {
        std::vector<uint8_t> bytes;
        if (!ReadWholeSource(file, file.Length(), bytes)) return false;
        VorbisOpen open = VorbisOpen::Damaged;
        if (VorbisDecoder::Open(std::move(bytes), open)) return true;
        ShowVorbisOpenFailure(open);
        return false;
    }

    bool FindWaveData(RiffFile& file) {
        uint32_t size = 0;
        if (!file.DescendChunk(FourCc("data"), size)) {
            return Fail(IDS_NO_DATA, ja::kWaveNoData);
        }
        opened_.dataSize = opened_.remaining = size;
        return CheckLength();
    }

    bool UseWholeFile(RiffFile& file) {
        opened_.dataSize = opened_.remaining = file.Length();
        file.Seek(0);
        return CheckLength();
    }

    bool CheckLength() {
        host_.ShowLength(opened_.dataSize);
        if (opened_.dataSize == 0) return Fail(IDS_DATA_EMPTY, ja::kDataEmpty);
        return true;
    }

    PlayFileHost& host_;
    FormatBlock& block_;
    OpenedPlayFile& opened_;
};

}  // namespace

bool OpenPlayFile(const std::string& path, PlayFileHost& host, FormatBlock& block,
                  OpenedPlayFile& opened) {
    opened.Close();
    return Opener(host, block, opened).Run(path);
}

}  // namespace lomvex
