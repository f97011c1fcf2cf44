// The wave detail walk: the RIFF header, the first chunk (normally "fmt "),
// the one after it ("fact" or "data") and the one after that, then, for
// files that are not plain WAV, the MPEG or Ogg parser's dumps.
//
// Every field is read through one cursor that knows the file's length:
// a field that is not wholly in the file, or for the format fields not
// wholly in the "fmt " chunk, is left unshown and the walk goes on with
// what it has. Chunk positions are computed in 64 bits, so a stated size
// near 4 GiB moves past the end instead of wrapping round.
#include "dialogs/wave_detail.h"

#include <cstdlib>
#include <cstring>
#include <limits>

#include "audiofile/format_record.h"
#include "audiofile/mpeg_header.h"
#include "audiofile/ogg_header.h"
#include "dialogs/dialog_texts.h"
#include "dialogs/format_tag_names.h"
#include "display/format_text.h"

namespace lomvex {
namespace {

namespace ids = detail_ids;

constexpr uint64_t kUnlimited = std::numeric_limits<uint64_t>::max();
constexpr uint32_t kChunkHeaderBytes = 8;  // id, size
constexpr uint16_t kMp3ExtensionSize = 12;

class FieldCursor {
   public:
    FieldCursor(ByteSource& source, uint32_t length) : source_(source), length_(length) {}

    // Moves to `offset`; past the end of the file nothing more is read.
    void MoveTo(uint64_t offset) {
        ended_ = offset > length_ || !source_.Seek(static_cast<uint32_t>(offset));
        if (!ended_) position_ = offset;
    }

    // Reads up to `count` bytes; returns how many (short at the end of the file).
    size_t ReadUpTo(uint8_t* bytes, size_t count) {
        if (ended_) return 0;
        size_t got = source_.Read(bytes, count);
        position_ += got;
        if (got != count) ended_ = true;
        return got;
    }

    // Reads exactly `count` bytes lying before `end`, or nothing.
    bool Read(uint8_t* bytes, size_t count, uint64_t end) {
        if (ended_ || position_ + count > end || position_ + count > length_) return false;
        return ReadUpTo(bytes, count) == count;
    }
    bool U16(uint16_t& value, uint64_t end = kUnlimited) {
        uint8_t b[2];
        if (!Read(b, 2, end)) return false;
        value = U16Le(b);
        return true;
    }
    bool U32(uint32_t& value, uint64_t end = kUnlimited) {
        uint8_t b[4];
        if (!Read(b, 4, end)) return false;
        value = U32Le(b);
        return true;
    }
    bool Id(uint8_t id[4]) { return Read(id, 4, kUnlimited); }

    uint64_t Position() const { return position_; }

   private:
    ByteSource& source_;
    uint32_t length_;
    uint64_t position_ = 0;
    bool ended_ = false;
};

// Four id characters as text, up to the first NUL.
std::string IdText(const uint8_t* id, size_t count) {
    std::string text(reinterpret_cast<const char*>(id), count);
    return text.substr(0, text.find('\0'));
}

bool IdIs(const uint8_t* id, const char* name) {
    return std::memcmp(id, name, 4) == 0;
}

// 32-bit fields are sizes and counts: shown unsigned, so that a size of
// 2 GiB or more does not read as a negative number.
std::string U32Text(uint32_t value) {
    return FormatText("%lu", static_cast<unsigned long>(value));
}
std::string U16Text(uint16_t value) {
    return FormatText("%d", static_cast<int>(value));
}

// The end of a chunk starting at `start` with `size` data bytes, pad byte
// included.
uint64_t ChunkEnd(uint64_t start, uint32_t size) {
    return start + kChunkHeaderBytes + size + (size & 1);
}

class DetailWalk {
   public:
    DetailWalk(RiffFile& file, const WaveDetailInputs& in, WaveDetail& out)
        : file_(file),
          in_(in),
          out_(out),
          texts_(out.texts),
          length_(file.Length()),
          cursor_(file, length_) {}

    void Run() {
        cursor_.MoveTo(0);
        ReadHeaderChunks();
        // A file that is not RIFF gets its time from the parsers, if at all.
        if (out_.kind != DetailKind::NotRiff) {
            texts_[ids::kTotalTime] =
                haveDataSize_ ? DetailTimeText(dataSize_, byteRate_, in_.japanese, in_.useclip)
                              : Choose(kDetailUnknownSeconds, ja::kDetailUnknownSeconds);
        }
        if (out_.kind != DetailKind::Plain) DumpParsedHeader();
    }

   private:
    const char* Choose(const char* english, const char* japanese) const {
        return in_.japanese ? japanese : english;
    }

    // Steps through the RIFF header and up to three chunks; stops at the
    // first field that cannot be read.
    void ReadHeaderChunks() {
        uint8_t id[4] = {};
        size_t got = cursor_.ReadUpTo(id, 4);
        texts_[ids::kRiffId] = got > 0 && id[0] == 0xFF ? kDetailFirstByteFf : IdText(id, got);
        if (got != 4 || !IdIs(id, "RIFF")) {
            out_.kind = DetailKind::NotRiff;
            return;
        }
        uint32_t riffSize = 0;
        if (!cursor_.U32(riffSize)) return;
        texts_[ids::kRiffSize] = U32Text(riffSize);
        uint8_t form[4];
        if (!cursor_.Id(form)) return;
        texts_[ids::kRiffType] = IdText(form, 4);
        out_.kind = IdIs(form, "RMP3") ? DetailKind::RiffMp3 : DetailKind::Plain;

        const uint64_t firstAt = cursor_.Position();
        if (!cursor_.Id(firstId_)) return;
        texts_[ids::kChunkId] = IdText(firstId_, 4);
        if (!cursor_.U32(firstSize_)) return;
        haveFirstSize_ = true;
        texts_[ids::kChunkSize] = U32Text(firstSize_);
        if (std::memcmp(firstId_, "fmt", 3) == 0) {
            ReadFormatChunk(firstAt + kChunkHeaderBytes + uint64_t{firstSize_});
        } else if (IdIs(firstId_, "data")) {
            NoteDataSize(firstSize_);
        }
        const uint64_t nextAt = ChunkEnd(firstAt, firstSize_);
        cursor_.MoveTo(nextAt);
        ReadNextChunk(nextAt);
    }

    // The "fmt " fields in file order, each only when it lies in the chunk.
    void ReadFormatChunk(uint64_t end) {
        uint16_t tag = 0;
        if (!cursor_.U16(tag, end)) return;
        texts_[ids::kTag] = U16Text(tag);
        if (tag == kTagMpegLayer3) out_.kind = DetailKind::WaveMp3;
        texts_[ids::kTagHint] = TagName(tag);

        uint16_t channels = 0;
        if (!cursor_.U16(channels, end)) return;
        texts_[ids::kChannels] = U16Text(channels);
        if (channels == 1)
            texts_[ids::kChannelsHint] = Choose(kDetailMonaural, ja::kDetailMonaural);
        if (channels == 2) texts_[ids::kChannelsHint] = Choose(kDetailStereo, ja::kDetailStereo);

        uint32_t rate = 0;
        if (!cursor_.U32(rate, end)) return;
        sampleRate_ = rate;
        texts_[ids::kRate] = U32Text(rate);
        texts_[ids::kRateHint] =
            rate == 0 ? Choose(kDetailInfiniteSeconds, ja::kDetailInfiniteSeconds)
                      : FormatText(Choose(kDetailMicrosecondsFormat, ja::kDetailMicrosecondsFormat),
                                   1000000.0 / rate);

        uint32_t byteRate = 0;
        if (!cursor_.U32(byteRate, end)) return;
        byteRate_ = byteRate;
        texts_[ids::kByteRate] = U32Text(byteRate);
        uint16_t blockAlign = 0;
        if (!cursor_.U16(blockAlign, end)) return;
        texts_[ids::kBlockAlign] = U16Text(blockAlign);
        uint16_t bits = 0;
        if (!cursor_.U16(bits, end)) return;
        texts_[ids::kBits] = U16Text(bits);

        // A chunk of 16 bytes has no cbSize: 172 stays empty.
        uint16_t cbSize = 0;
        if (!cursor_.U16(cbSize, end)) return;
        texts_[ids::kCbSize] = U16Text(cbSize);
        if (cbSize == kMp3ExtensionSize && out_.kind == DetailKind::WaveMp3) {
            ReadMp3Extension(end);
        }
    }

    // The MPEG Layer-3 extension after cbSize, into the hints.
    void ReadMp3Extension(uint64_t end) {
        uint16_t id = 0, blockSize = 0, frames = 0, delay = 0;
        uint32_t flags = 0;
        if (!cursor_.U16(id, end)) return;
        texts_[ids::kTagHint] = FormatText(kDetailMp3IdFormat, static_cast<int>(id));
        if (!cursor_.U32(flags, end)) return;
        texts_[ids::kChannelsHint] =
            FormatText(kDetailMp3FlagsFormat, static_cast<unsigned long>(flags));
        if (!cursor_.U16(blockSize, end)) return;
        texts_[ids::kBlockAlignHint] =
            FormatText(kDetailMp3BlockFormat, static_cast<int>(blockSize));
        if (!cursor_.U16(frames, end)) return;
        texts_[ids::kBitsHint] = FormatText(kDetailMp3FramesFormat, static_cast<int>(frames));
        if (!cursor_.U16(delay, end)) return;
        texts_[ids::kCbSizeHint] = FormatText(kDetailMp3DelayFormat, static_cast<int>(delay));
    }

    // "?" for 0, the table's name, the platform's, or "unknown".
    std::string TagName(uint16_t tag) const {
        if (const char* name = FindFormatTagName(tag)) return name;
        if (in_.lookupTagName) {
            std::string name = in_.lookupTagName(tag);
            if (!name.empty()) return name;
        }
        return kTagNameUnknown;
    }

    // The chunk after the first ("fact" or "data"), then one more.
    void ReadNextChunk(uint64_t at) {
        uint8_t id[4];
        if (!cursor_.Id(id)) return;
        texts_[ids::kNextChunkId] = IdText(id, 4);
        uint32_t size = 0;
        if (!cursor_.U32(size)) return;
        texts_[ids::kNextChunkSize] = U32Text(size);
        if (IdIs(id, "fact")) {
            ReadFactCount(at + kChunkHeaderBytes + uint64_t{size});
        } else if (IdIs(id, "data")) {
            NoteDataSize(size);
        }
        const uint64_t lastAt = ChunkEnd(at, size);
        cursor_.MoveTo(lastAt);

        uint8_t lastId[4];
        if (!cursor_.Id(lastId)) return;
        texts_[ids::kLastChunkIdHint] = IdText(lastId, 4);
        uint32_t lastSize = 0;
        if (!cursor_.U32(lastSize)) return;
        texts_[ids::kLastChunkSizeHint] = U32Text(lastSize);
        if (IdIs(lastId, "data")) NoteDataSize(lastSize);
    }

    // The sample count of a "fact" chunk and the time it makes at the
    // format's sample rate.
    void ReadFactCount(uint64_t end) {
        uint32_t count = 0;
        if (!cursor_.U32(count, end)) return;
        texts_[ids::kRiffSizeHint] =
            FormatText(kDetailFactFormat, static_cast<unsigned long>(count));
        texts_[ids::kRiffTypeHint] =
            sampleRate_ == 0
                ? FormatText(kDetailFactNoRateFormat, "Inf")
                : FormatText(kDetailFactSecondsFormat, static_cast<double>(count) / sampleRate_);
    }

    // The total time counts the first "data" chunk met; a file whose
    // chunks read here hold none has no time to show.
    void NoteDataSize(uint32_t size) {
        if (haveDataSize_) return;
        dataSize_ = size;
        haveDataSize_ = true;
    }

    // Kinds 1..3: the MPEG parser at the sound data, else the Ogg parser at
    // offset 0; their dumps go to the text box and the record they build
    // overwrites some fields.
    void DumpParsedHeader() {
        out_.showDump = true;
        VectorFormatBlock block;
        int result = kHeaderNotRecognised;
        uint32_t soundBytes = 0;
        if (PositionAtSound(soundBytes)) {
            result = ParseMpegHeader(file_, block, soundBytes, &out_.dump);
        }
        if (result != kHeaderParsed) result = ParseOggHeader(file_, block, 0, &out_.dump);
        if (result != kHeaderParsed || block.Size() < kPcmFormatSize + 2) return;

        const uint8_t* record = block.Data();
        const FormatFields fields = ReadFormatFields(record);
        texts_[ids::kByteRateHint] = U32Text(fields.avgBytesPerSec);
        texts_[ids::kRateHint] = U32Text(fields.samplesPerSec);
        if (out_.kind != DetailKind::WaveMp3) {
            texts_[ids::kTagHint] = U16Text(fields.tag);
            texts_[ids::kChannelsHint] = U16Text(fields.channels);
            texts_[ids::kBlockAlignHint] = U16Text(fields.blockAlign);
            texts_[ids::kBitsHint] = U16Text(fields.bitsPerSample);
            texts_[ids::kCbSizeHint] = U16Text(U16Le(record + kFmtCbSize));
        }
        if (std::strtod(texts_[ids::kTotalTime].c_str(), nullptr) != 0) return;
        const bool rmpData =
            out_.kind == DetailKind::RiffMp3 && IdIs(firstId_, "data") && haveFirstSize_;
        texts_[ids::kTotalTime] = DetailTimeText(rmpData ? firstSize_ : length_,
                                                 fields.avgBytesPerSec, in_.japanese, in_.useclip);
    }

    // Raw files are parsed from offset 0 with the whole file as sound; RIFF
    // files from their "data" chunk. False when there is no "data" chunk.
    bool PositionAtSound(uint32_t& soundBytes) {
        if (!file_.Seek(0)) return false;
        if (out_.kind == DetailKind::NotRiff) {
            soundBytes = length_;
            return true;
        }
        uint32_t form = 0;
        return file_.DescendRiff(form) && file_.DescendChunk(FourCc("data"), soundBytes);
    }

    RiffFile& file_;
    const WaveDetailInputs& in_;
    WaveDetail& out_;
    ControlTexts& texts_;
    const uint32_t length_;
    FieldCursor cursor_;

    uint8_t firstId_[4] = {};
    uint32_t firstSize_ = 0;
    bool haveFirstSize_ = false;
    uint32_t sampleRate_ = 0;
    uint32_t byteRate_ = 0;
    uint32_t dataSize_ = 0;
    bool haveDataSize_ = false;
};

// The labels the initialization changes and the value fields it clears.
void SetStartTexts(ControlTexts& texts, const WaveDetailInputs& in) {
    if (in.useclip) {
        texts[ids::kRiffSizeHint] =
            in.japanese ? ja::kDetailHintRiffSizeSpelled : kDetailHintRiffSizeSpelled;
    }
    if (in.japanese) {
        texts[ids::kByteRateHint] = ja::kDetailHintByteRate;
        texts[ids::kBlockAlignHint] = ja::kDetailHintBlockAlign;
        texts[ids::kChannelsHint] = ja::kDetailHintChannels;
    }
    for (int id = ids::kRiffSize; id <= ids::kNextChunkSize; ++id) texts[id] = "";
    texts[ids::kTotalTime] = "";
}

}  // namespace

std::string DetailTimeText(uint32_t size, uint32_t byteRate, bool japanese, bool useclip) {
    if (byteRate == 0) return japanese ? ja::kDetailUnknownSeconds : kDetailUnknownSeconds;
    const double seconds = static_cast<double>(size) / byteRate;
    if (useclip && seconds < 1.0) {
        return FormatText(japanese ? ja::kDetailMillisecondsFormat : kDetailMillisecondsFormat,
                          seconds * 1000.0);
    }
    return FormatText(kDetailSecondsFormat, seconds);
}

WaveDetail DescribeWaveDetail(RiffFile* file, const WaveDetailInputs& inputs) {
    WaveDetail detail;
    SetStartTexts(detail.texts, inputs);
    if (inputs.fileSizeKnown) detail.texts[ids::kFileSize] = std::to_string(inputs.fileSize);
    if (file == nullptr) return detail;
    DetailWalk(*file, inputs, detail).Run();
    return detail;
}

}  // namespace lomvex
