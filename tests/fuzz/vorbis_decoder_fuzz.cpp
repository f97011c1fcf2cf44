// Fuzzes the Vorbis decoder over a file in memory: the stream check, the
// pull decoder to its end and again after a restart, and the whole-file
// decode handed out in reads of a size taken from the first input byte,
// whose shares must add up to the decoded sound.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

#include "audiofile/decoded_vorbis.h"
#include "audiofile/vorbis_decoder.h"
#include "silent_sink.h"

namespace {

using lomvex::VorbisOpen;

void PullAll(const std::vector<uint8_t>& file) {
    VorbisOpen open;
    std::unique_ptr<lomvex::VorbisDecoder> decoder = lomvex::VorbisDecoder::Open(file, open);
    if (!decoder) return;
    if (decoder->Channels() < 1 || decoder->Rate() == 0) std::abort();
    std::vector<int16_t> buffer(512 * static_cast<size_t>(decoder->Channels()));
    size_t first = 0;
    while (size_t frames = decoder->Read(buffer.data(), 512)) first += frames;
    decoder->Restart();
    size_t again = 0;
    while (size_t frames = decoder->Read(buffer.data(), 512)) again += frames;
    if (again != first) std::abort();
}

void ReadInShares(const std::vector<uint8_t>& file, uint32_t step) {
    std::unique_ptr<lomvex::DecodedVorbis> sound;
    VorbisOpen open;
    if (lomvex::DecodedVorbis::Decode(file, sound, open) != lomvex::VorbisDecode::Decoded) return;
    const uint32_t fileBytes = static_cast<uint32_t>(file.size());
    std::vector<uint8_t> buffer(sound->LargestShare(step));
    uint64_t total = 0;
    for (uint32_t read = 0; read < fileBytes; read += step) {
        const uint32_t got = sound->TakeShare(step, buffer.data());
        if (got > buffer.size() || got % sound->BlockAlign() != 0) std::abort();
        total += got;
    }
    if (total != uint64_t{sound->Frames()} * sound->BlockAlign()) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    lomvex::fuzzing::SilenceMessages();
    std::vector<uint8_t> file(data, data + size);
    lomvex::IsSingleOggStream(file);
    PullAll(file);
    const uint32_t step = size > 0 ? 1u + data[0] * 64u : 1u;
    ReadInShares(file, step);
    return 0;
}
