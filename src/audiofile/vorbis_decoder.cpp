// Ogg Vorbis decoding through stb_vorbis over a file in memory.
#include "audiofile/vorbis_decoder.h"

#include <climits>
#include <cstring>

#include "audiofile/byte_source.h"
#include "audiofile/vorbis_comments.h"
#include "stb_vorbis_api.h"

namespace lomvex {
namespace {

constexpr size_t kPageHeaderSize = 27;
constexpr uint8_t kBeginOfStream = 0x02;
// The decoder's memory: its tables and work buffers (streams of the usual
// encoders need about 220 KB, stereo, any quality and rate up to 96 kHz),
// and the comments, which take less than six times their packet: the
// vendor, a pointer per comment (at most one per four bytes of the packet)
// and each string rounded up to 8 bytes.
constexpr size_t kArenaTableBytes = 3u << 20;
constexpr size_t kArenaBytesPerCommentByte = 6;

}  // namespace

bool IsSingleOggStream(const std::vector<uint8_t>& file) {
    size_t at = 0;
    bool first = true;
    uint32_t serial = 0;
    while (at + kPageHeaderSize <= file.size() && std::memcmp(&file[at], "OggS", 4) == 0) {
        const uint8_t* page = &file[at];
        const uint32_t pageSerial = U32Le(page + 14);
        const size_t segments = page[26];
        if (first) {
            serial = pageSerial;
        } else if ((page[5] & kBeginOfStream) != 0 || pageSerial != serial) {
            return false;
        }
        first = false;
        if (at + kPageHeaderSize + segments > file.size()) break;
        size_t body = 0;
        for (size_t i = 0; i < segments; ++i) body += page[kPageHeaderSize + i];
        at += kPageHeaderSize + segments + body;
    }
    return true;
}

std::unique_ptr<VorbisDecoder> VorbisDecoder::Open(std::vector<uint8_t> file, VorbisOpen& result) {
    result = VorbisOpen::Damaged;
    if (file.size() < kPageHeaderSize || file.size() > INT_MAX) return nullptr;
    if (!IsSingleOggStream(file)) {
        result = VorbisOpen::Chained;
        return nullptr;
    }
    size_t commentBytes = 0;
    if (!CommentHeaderFits(file, commentBytes)) return nullptr;
    std::unique_ptr<VorbisDecoder> decoder(new VorbisDecoder());
    decoder->file_ = std::move(file);
    decoder->arena_.resize(kArenaTableBytes + kArenaBytesPerCommentByte * commentBytes);
    stb_vorbis_alloc arena;
    arena.alloc_buffer = decoder->arena_.data();
    arena.alloc_buffer_length_in_bytes = static_cast<int>(decoder->arena_.size());
    int error = 0;
    decoder->vorbis_ = stb_vorbis_open_memory(
        decoder->file_.data(), static_cast<int>(decoder->file_.size()), &error, &arena);
    if (decoder->vorbis_ == nullptr) {
        if (error == VORBIS_invalid_first_page || error == VORBIS_invalid_setup)
            result = VorbisOpen::NotVorbis;
        return nullptr;
    }
    stb_vorbis_info info = stb_vorbis_get_info(decoder->vorbis_);
    decoder->channels_ = info.channels;
    decoder->rate_ = info.sample_rate;
    if (decoder->channels_ < 1 || decoder->rate_ == 0) return nullptr;
    decoder->declaredFrames_ = stb_vorbis_stream_length_in_samples(decoder->vorbis_);
    stb_vorbis_seek_start(decoder->vorbis_);
    result = VorbisOpen::Opened;
    return decoder;
}

VorbisDecoder::~VorbisDecoder() {
    if (vorbis_) stb_vorbis_close(vorbis_);
}

size_t VorbisDecoder::Read(int16_t* out, size_t frames) {
    size_t done = 0;
    while (done < frames) {
        const size_t want = frames - done;
        const int shorts =
            static_cast<int>(want * channels_ > INT_MAX / 2 ? INT_MAX / 2 : want * channels_);
        int got = stb_vorbis_get_samples_short_interleaved(vorbis_, channels_,
                                                           out + done * channels_, shorts);
        if (got <= 0) break;
        done += static_cast<size_t>(got);
    }
    return done;
}

void VorbisDecoder::Restart() {
    stb_vorbis_seek_start(vorbis_);
}

}  // namespace lomvex
