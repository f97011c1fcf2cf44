// Builds RIFF files as bytes for the tests: a WAVE file is a "fmt " chunk
// and a "data" chunk in any order, with any other chunks in between.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace lomvex::testing {

using Bytes = std::vector<uint8_t>;

inline void AppendU16(Bytes& out, uint16_t v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}
inline void AppendU32(Bytes& out, uint32_t v) {
    AppendU16(out, static_cast<uint16_t>(v));
    AppendU16(out, static_cast<uint16_t>(v >> 16));
}
inline void AppendId(Bytes& out, const char* id) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(id[i]));
}

// A chunk with its id, a stated size (the real one unless given) and a pad
// byte after odd-sized data.
inline Bytes Chunk(const char* id, const Bytes& data, int64_t statedSize = -1) {
    Bytes out;
    AppendId(out, id);
    AppendU32(out, statedSize < 0 ? static_cast<uint32_t>(data.size())
                                  : static_cast<uint32_t>(statedSize));
    out.insert(out.end(), data.begin(), data.end());
    if (data.size() & 1) out.push_back(0);
    return out;
}

inline Bytes Riff(const char* form, const std::vector<Bytes>& chunks) {
    Bytes body;
    AppendId(body, form);
    for (const Bytes& chunk : chunks) body.insert(body.end(), chunk.begin(), chunk.end());
    Bytes out;
    AppendId(out, "RIFF");
    AppendU32(out, static_cast<uint32_t>(body.size()));
    out.insert(out.end(), body.begin(), body.end());
    return out;
}

// A PCM "fmt " chunk body: 16 bytes, or 18 with a zero cbSize.
inline Bytes PcmFormat(uint16_t channels, uint32_t rate, uint16_t bits, bool withCbSize = false,
                       uint16_t tag = 1) {
    Bytes out;
    uint16_t blockAlign = static_cast<uint16_t>(channels * bits / 8);
    AppendU16(out, tag);
    AppendU16(out, channels);
    AppendU32(out, rate);
    AppendU32(out, rate * blockAlign);
    AppendU16(out, blockAlign);
    AppendU16(out, bits);
    if (withCbSize) AppendU16(out, 0);
    return out;
}

// `frames` sample frames of a ramp, so that every byte differs from its
// neighbours and a misplaced read shows.
inline Bytes RampSamples(uint16_t channels, uint16_t bits, uint32_t frames) {
    Bytes out;
    for (uint32_t i = 0; i < frames * channels; ++i) {
        if (bits == 8)
            out.push_back(static_cast<uint8_t>(i * 7));
        else
            AppendU16(out, static_cast<uint16_t>(i * 257));
    }
    return out;
}

inline Bytes PcmWave(uint16_t channels, uint32_t rate, uint16_t bits, uint32_t frames) {
    return Riff("WAVE", {Chunk("fmt ", PcmFormat(channels, rate, bits)),
                         Chunk("data", RampSamples(channels, bits, frames))});
}

}  // namespace lomvex::testing
