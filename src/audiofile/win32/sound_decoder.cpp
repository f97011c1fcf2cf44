// The run's decoder: the compression manager (an MP3 cut to its encoded
// span when tagged), or the Vorbis decode in memory.
#include "audiofile/win32/sound_decoder.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "audiofile/decoded_vorbis.h"
#include "audiofile/format_record.h"
#include "audiofile/format_state.h"
#include "audiofile/gapless_span.h"
#include "audiofile/mpeg_frame_seek.h"
#include "audiofile/reader_texts.h"
#include "audiofile/win32/acm_binding.h"
#include "audiofile/win32/play_file_binding.h"
#include "base/messages.h"
#include "resources/ids.h"

namespace lomvex {
namespace {

struct MemoryDecoder {
    std::unique_ptr<DecodedVorbis> sound;
    uint8_t* destination = nullptr;
    uint32_t outputSize = 0;
};

MemoryDecoder vorbis;
// Drops the delays and padding of a tagged MP3 from the codec's output.
PcmSpanCutter mp3Span;
uint8_t* acmDestination = nullptr;
uint32_t acmSourceLength = 0;  // the one-time length the stream was sized for
// What DecodeFollowing reads and decodes; kept, as the stream's header
// still points at them until the next conversion.
std::vector<uint8_t> followingSource, followingPcm;

// Enough MPEG data for a few frames at any bit rate a seam fades over.
constexpr uint32_t kFollowingSourceBytes = 4096;

// Decodes the open Ogg file whole and describes its PCM in the record and
// the format state; false after the message of what went wrong.
bool DecodeOggInMemory(uint32_t oneTimeLength) {
    std::vector<uint8_t> bytes;
    if (!ReadWholeSource(*playFile.file, playFile.file->Length(), bytes)) return false;
    VorbisOpen open = VorbisOpen::Damaged;
    switch (DecodedVorbis::Decode(std::move(bytes), vorbis.sound, open)) {
        case VorbisDecode::Decoded:
            break;
        case VorbisDecode::Refused:
            ShowVorbisOpenFailure(open);
            return false;
        case VorbisDecode::NoMemory:
            ShowUserMessage(IDS_NO_MEMORY, ja::kNoMemory);
            return false;
    }
    vorbis.outputSize = vorbis.sound->LargestShare(oneTimeLength);
    const uint16_t channels = static_cast<uint16_t>(vorbis.sound->Channels());
    WriteDecodedPcmRecord(reinterpret_cast<uint8_t*>(&acm.target), channels, vorbis.sound->Rate());
    WriteFormatFields(fileFormat.Data(), ReadFormatFields(reinterpret_cast<uint8_t*>(&acm.target)));
    formatState.layout = channels == 1 ? 1 : 3;
    return true;
}

}  // namespace

bool IsDecoding() {
    return formatState.tag != kTagPcm && (acm.stream != nullptr || vorbis.sound != nullptr);
}

bool OpenDecoder(uint32_t oneTimeLength) {
    vorbis = MemoryDecoder{};
    mp3Span = PcmSpanCutter();
    const bool ogg = playFile.kind == FileKind::Ogg;
    LoadAcm(oneTimeLength, ogg);
    if (acm.stream != nullptr && playFile.gapless)
        mp3Span = PcmSpanCutter(DecodedSpan(playFile.gaplessInfo), acm.target.nBlockAlign);
    if (acm.stream != nullptr || !ogg) return true;
    if (DecodeOggInMemory(oneTimeLength)) return true;
    vorbis = MemoryDecoder{};
    return false;
}

uint32_t DecoderOutputSize() {
    return vorbis.sound ? vorbis.outputSize : acm.outputSize;
}

const uint8_t* DecodedFormat() {
    return reinterpret_cast<const uint8_t*>(&acm.target);
}

void PrepareDecoder(uint8_t* source, uint32_t sourceLength, uint8_t* destination) {
    if (!vorbis.sound) {
        PrepareAcmHeader(source, sourceLength, destination);
        acmDestination = destination;
        acmSourceLength = sourceLength;
        mp3Span.Restart();
        return;
    }
    vorbis.destination = destination;
    vorbis.sound->Restart();
}

uint32_t DecodeBuffer(uint8_t* source, uint32_t length) {
    if (!vorbis.sound)
        return mp3Span.Cut(acmDestination,
                           AcmConvert(source, length, acmDestination, acm.outputSize));
    return vorbis.sound->TakeShare(length, vorbis.destination);
}

uint32_t DecodeFollowing(uint32_t bytes, uint32_t sourceLeft, std::vector<uint8_t>& following) {
    if (vorbis.sound) {
        following.resize(bytes);
        following.resize(
            vorbis.sound->Following(bytes / vorbis.sound->BlockAlign(), following.data()));
        return 0;
    }
    following.clear();
    if (acm.stream == nullptr) return 0;
    followingSource.resize(std::min({sourceLeft, kFollowingSourceBytes, acmSourceLength}));
    const uint32_t read =
        playFile.file->Read(followingSource.data(), static_cast<uint32_t>(followingSource.size()));
    if (read == 0) return 0;
    followingPcm.resize(acm.outputSize);
    const uint32_t n =
        mp3Span.Cut(followingPcm.data(),
                    AcmConvert(followingSource.data(), read, followingPcm.data(), acm.outputSize));
    following.assign(followingPcm.begin(), followingPcm.begin() + std::min(n, bytes));
    return read;
}

void ResetDecoder() {
    if (acm.stream != nullptr) ResetAcmStream();
}

bool MoveDecoder(uint32_t dataStart, uint32_t dataSize, uint32_t wanted, double seconds,
                 uint32_t& offset) {
    if (vorbis.sound) {
        offset = wanted;
        vorbis.sound->MoveTo(wanted);
        return true;
    }
    const bool mpeg = playFile.kind == FileKind::Mp3 || playFile.kind == FileKind::Rmp;
    MpegFramePlace first;
    if (acm.stream == nullptr || !mpeg ||
        !FindMpegFrame(*playFile.file, dataStart, dataSize, 0, first) || first.samplesPerFrame == 0)
        return false;
    // The decoded index of the asked time: the song's sample, after what a
    // tagged file's cut drops before its first encoded sample.
    const uint64_t skip = playFile.gapless ? DecodedSpan(playFile.gaplessInfo).skipFrames : 0;
    const uint64_t target =
        static_cast<uint64_t>(std::max(seconds, 0.0) * acm.target.nSamplesPerSec) + skip;
    // A restarted codec gives frame j's sound after its lag. A frame's data
    // may begin up to 511 bytes back (its bit reservoir), more than one
    // frame at low rates, so decoding restarts two frames before the one
    // that holds the time.
    const uint64_t spf = first.samplesPerFrame;
    constexpr uint64_t kLeadFrames = 2;
    const uint64_t lead = kAcmMp3DecoderDelay + kLeadFrames * spf;
    const uint64_t frame = target > lead ? (target - kAcmMp3DecoderDelay) / spf - kLeadFrames : 0;
    MpegFramePlace place;
    if (!FindMpegFrame(*playFile.file, dataStart, dataSize, dataSize, place, frame)) return false;
    ResetAcmStream();
    const uint64_t align = acm.target.nBlockAlign;
    mp3Span.MoveTo(place.frameIndex * spf * align, target * align);
    offset = place.offset;
    return true;
}

void CloseDecoder() {
    CloseAcmStream();
    vorbis = MemoryDecoder{};
}

}  // namespace lomvex
