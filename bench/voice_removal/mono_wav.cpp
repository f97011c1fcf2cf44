// The stem reader: walks the RIFF chunks with checked little-endian reads
// and converts the data chunk to doubles.
#include "mono_wav.h"

#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

namespace lomvex::vbench {
namespace {

uint32_t U16(const std::vector<unsigned char>& b, size_t at) {
    return b[at] | b[at + 1] << 8;
}
uint32_t U32(const std::vector<unsigned char>& b, size_t at) {
    return U16(b, at) | U16(b, at + 2) << 16;
}

}  // namespace

bool ReadMonoWav(const std::string& path, Channel& mono, std::string& error) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return error = path + ": cannot be opened", false;
    const std::vector<unsigned char> b((std::istreambuf_iterator<char>(file)),
                                       std::istreambuf_iterator<char>());
    if (b.size() < 12 || std::memcmp(&b[0], "RIFF", 4) != 0 || std::memcmp(&b[8], "WAVE", 4) != 0) {
        return error = path + ": not a WAV file", false;
    }
    uint32_t format = 0, channels = 0, rate = 0, bits = 0;
    for (size_t at = 12; at + 8 <= b.size();) {
        const uint32_t size = U32(b, at + 4);
        const size_t body = at + 8;
        const size_t available = std::min<size_t>(size, b.size() - body);
        if (std::memcmp(&b[at], "fmt ", 4) == 0 && available >= 16) {
            format = U16(b, body), channels = U16(b, body + 2), rate = U32(b, body + 4);
            bits = U16(b, body + 14);
            if (format == 0xFFFE && available >= 26) format = U16(b, body + 24);
        } else if (std::memcmp(&b[at], "data", 4) == 0) {
            const bool pcm16 = format == 1 && bits == 16, float32 = format == 3 && bits == 32;
            if (!(pcm16 || float32) || channels == 0 || rate != 44100) {
                return error = path + ": not 44.1 kHz 16-bit or float PCM", false;
            }
            const size_t frameBytes = channels * bits / 8;
            mono.assign(available / frameBytes, 0.0);
            for (size_t i = 0; i < mono.size(); ++i) {
                double sum = 0;
                for (uint32_t c = 0; c < channels; ++c) {
                    const size_t p = body + i * frameBytes + c * bits / 8;
                    if (pcm16) {
                        sum += static_cast<int16_t>(U16(b, p)) / 32768.0;
                    } else {
                        const uint32_t word = U32(b, p);
                        float value;
                        std::memcpy(&value, &word, 4);
                        sum += value;
                    }
                }
                mono[i] = sum / channels;
            }
            return true;
        }
        at = body + size + (size & 1);
    }
    return error = path + ": no data chunk after a format chunk", false;
}

}  // namespace lomvex::vbench
