// Whole-file Vorbis decoding and its share per file read.
#include "audiofile/decoded_vorbis.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "audiofile/format_record.h"
#include "audiofile/reader_texts.h"
#include "base/messages.h"
#include "resources/ids.h"

namespace lomvex {
namespace {

// The most sound kept in memory: a 32-bit program has 2 GB of addresses,
// and the engine counts data bytes in 32 bits.
constexpr uint64_t kLargestPcmBytes = 1u << 30;
constexpr size_t kDecodeFrames = 4096;
// Samples per file byte of a Vorbis stream at a low bit rate (about 32
// kbit/s of 44.1 kHz stereo gives 22).
constexpr uint64_t kMostSamplesPerByte = 32;

}  // namespace

bool ReadWholeSource(ByteSource& source, uint32_t length, std::vector<uint8_t>& bytes) {
    try {
        bytes.resize(length);
    } catch (const std::bad_alloc&) {
        ShowUserMessage(IDS_NO_MEMORY, ja::kNoMemory);
        return false;
    }
    const bool read = source.Seek(0) && source.Read(bytes.data(), length) == length;
    source.Seek(0);
    if (!read) ShowUserMessage(IDS_OGG_DAMAGED, ja::kOggDamaged);
    return read;
}

void WriteDecodedPcmRecord(uint8_t* record, uint16_t channels, uint32_t rate) {
    WriteFormatFields(record, PcmFormat(rate, channels, 16));
    PutU16Le(record + kFmtCbSize, 0);
}

void ShowVorbisOpenFailure(VorbisOpen result) {
    if (result == VorbisOpen::Chained)
        ShowUserMessage(IDS_OGG_CHAINED, ja::kOggChained);
    else
        ShowUserMessage(IDS_OGG_DAMAGED, ja::kOggDamaged);
}

VorbisDecode DecodedVorbis::Decode(std::vector<uint8_t> file, std::unique_ptr<DecodedVorbis>& out,
                                   VorbisOpen& open) {
    out.reset();
    const uint32_t fileBytes = static_cast<uint32_t>(file.size());
    std::unique_ptr<VorbisDecoder> decoder = VorbisDecoder::Open(std::move(file), open);
    if (!decoder) return VorbisDecode::Refused;
    std::unique_ptr<DecodedVorbis> sound(new DecodedVorbis());
    sound->channels_ = decoder->Channels();
    sound->rate_ = decoder->Rate();
    sound->fileBytes_ = fileBytes;
    const size_t channels = static_cast<size_t>(sound->channels_);
    const uint64_t largestSamples = kLargestPcmBytes / 2;
    try {
        // The declared length is a hint only: a damaged file may claim any,
        // so no more is reserved than a file of this size plausibly holds.
        const uint64_t plausible = uint64_t{fileBytes} * kMostSamplesPerByte;
        sound->samples_.reserve(static_cast<size_t>(std::min<uint64_t>(
            {uint64_t{decoder->DeclaredFrames()} * channels, plausible, largestSamples})));
        std::vector<int16_t> buffer(kDecodeFrames * channels);
        while (size_t frames = decoder->Read(buffer.data(), kDecodeFrames)) {
            if (sound->samples_.size() + frames * channels > largestSamples)
                return VorbisDecode::NoMemory;
            sound->samples_.insert(sound->samples_.end(), buffer.begin(),
                                   buffer.begin() + frames * channels);
        }
    } catch (const std::bad_alloc&) {
        return VorbisDecode::NoMemory;
    }
    // Headers without sound: nothing to play is a damaged file.
    if (sound->samples_.empty()) {
        open = VorbisOpen::Damaged;
        return VorbisDecode::Refused;
    }
    out = std::move(sound);
    return VorbisDecode::Decoded;
}

uint32_t DecodedVorbis::FramesAfter(uint64_t consumed) const {
    if (fileBytes_ == 0 || consumed >= fileBytes_) return Frames();
    return static_cast<uint32_t>(uint64_t{Frames()} * consumed / fileBytes_);
}

uint32_t DecodedVorbis::LargestShare(uint32_t sourceBytes) const {
    if (fileBytes_ == 0) return Frames() * BlockAlign();
    const uint64_t frames = (uint64_t{Frames()} * sourceBytes + fileBytes_ - 1) / fileBytes_ + 1;
    return static_cast<uint32_t>(std::min<uint64_t>(frames, Frames())) * BlockAlign();
}

uint32_t DecodedVorbis::TakeShare(uint32_t sourceBytes, uint8_t* out) {
    consumed_ += sourceBytes;
    const uint32_t end = FramesAfter(consumed_);
    const uint32_t frames = end - framesOut_;
    if (frames > 0)
        std::memcpy(out, samples_.data() + size_t{framesOut_} * channels_,
                    size_t{frames} * BlockAlign());
    framesOut_ = end;
    return frames * BlockAlign();
}

uint32_t DecodedVorbis::Following(uint32_t frames, uint8_t* out) const {
    const uint32_t n = std::min(frames, Frames() - std::min(framesOut_, Frames()));
    if (n == 0) return 0;
    std::memcpy(out, samples_.data() + size_t{framesOut_} * channels_, size_t{n} * BlockAlign());
    return n * BlockAlign();
}

}  // namespace lomvex
