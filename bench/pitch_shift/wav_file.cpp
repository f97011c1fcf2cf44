// RIFF chunks read by offset with every length checked.
#include "wav_file.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

namespace lomvex {
namespace {

uint32_t U16(const uint8_t* p) {
    return p[0] | p[1] << 8;
}

uint32_t U32(const uint8_t* p) {
    return U16(p) | U16(p + 2) << 16;
}

void Put(std::vector<uint8_t>& out, uint32_t v, int bytes) {
    for (int b = 0; b < bytes; ++b) out.push_back(static_cast<uint8_t>(v >> (8 * b)));
}

constexpr uint32_t kTagPcm = 1;
constexpr uint32_t kTagFloat = 3;
constexpr uint32_t kTagExtensible = 0xFFFE;

}  // namespace

bool WriteWav(const std::string& path, const StereoSound& sound) {
    const uint32_t frames = static_cast<uint32_t>(sound.left.size());
    std::vector<uint8_t> wav;
    wav.insert(wav.end(), {'R', 'I', 'F', 'F'});
    Put(wav, 36 + 4 * frames, 4);
    wav.insert(wav.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    Put(wav, 16, 4);
    Put(wav, kTagPcm, 2);
    Put(wav, 2, 2);
    Put(wav, kTestRate, 4);
    Put(wav, kTestRate * 4, 4);
    Put(wav, 4, 2);
    Put(wav, 16, 2);
    wav.insert(wav.end(), {'d', 'a', 't', 'a'});
    Put(wav, 4 * frames, 4);
    for (uint32_t i = 0; i < frames; ++i) {
        for (double v : {sound.left[i], sound.right[i]}) {
            const long s = std::lrint(std::fmax(-32768.0, std::fmin(32767.0, v)));
            Put(wav, static_cast<uint32_t>(s), 2);
        }
    }
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(wav.data()), static_cast<std::streamsize>(wav.size()));
    return static_cast<bool>(file);
}

bool ReadWav(const std::string& path, StereoSound& sound) {
    std::ifstream file(path, std::ios::binary);
    const std::vector<uint8_t> wav((std::istreambuf_iterator<char>(file)),
                                   std::istreambuf_iterator<char>());
    if (wav.size() < 12 || std::memcmp(wav.data(), "RIFF", 4) || std::memcmp(&wav[8], "WAVE", 4)) {
        return false;
    }
    uint32_t tag = 0, channels = 0, bits = 0;
    for (size_t at = 12; at + 8 <= wav.size();) {
        const uint32_t size = U32(&wav[at + 4]);
        const uint8_t* body = &wav[at + 8];
        const size_t available = wav.size() - at - 8;
        if (!std::memcmp(&wav[at], "fmt ", 4) && size >= 16 && available >= 16) {
            tag = U16(body);
            channels = U16(body + 2);
            bits = U16(body + 14);
            if (tag == kTagExtensible && size >= 26 && available >= 26) tag = U16(body + 24);
        } else if (!std::memcmp(&wav[at], "data", 4)) {
            const bool pcm16 = tag == kTagPcm && bits == 16,
                       float32 = tag == kTagFloat && bits == 32;
            if (!(pcm16 || float32) || channels < 1 || channels > 2) return false;
            const size_t frameBytes = channels * bits / 8;
            const size_t frames = std::min<size_t>(size, available) / frameBytes;
            sound = StereoSound{};
            for (size_t i = 0; i < frames; ++i) {
                double v[2];
                for (uint32_t c = 0; c < channels; ++c) {
                    const uint8_t* p = body + i * frameBytes + c * bits / 8;
                    if (pcm16) {
                        v[c] = static_cast<int16_t>(U16(p));
                    } else {
                        float f;
                        const uint32_t u = U32(p);
                        std::memcpy(&f, &u, 4);
                        v[c] = f * 32768.0;
                    }
                }
                sound.left.push_back(v[0]);
                sound.right.push_back(v[channels - 1]);
            }
            return true;
        }
        at += 8 + size + (size & 1);
    }
    return false;
}

}  // namespace lomvex
