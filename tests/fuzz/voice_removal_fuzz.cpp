// Fuzzes the voice removal stream: a rate from the first byte, then blocks
// of sizes and samples read from the input, then the flush. Checks that
// every refused rate leaves the state empty, that the output is as long as
// the input and that every output sample is finite.
//
// Input, read front to back; bytes past the end read as 0:
//   rate byte     rate = 500 * value (0 .. 127500; below 1000 is refused)
//   per block     a u16 size (modulo 6000), then the block's samples, each
//                 a u16 mapped to -40000 .. 40000
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "dsp/voice_removal.h"

#include "fuzz/fuzz_input.h"

namespace {

constexpr long long kWorkBudget = 1 << 18;  // frames one input may push through

void CheckFinite(const std::vector<double>& x, int count) {
    for (int i = 0; i < count; ++i) {
        if (!std::isfinite(x[i])) {
            std::fprintf(stderr, "voice_removal_fuzz: output %d is %g\n", i, x[i]);
            std::abort();
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    InputReader reader(data, size);
    const double rate = 500.0 * reader.Byte();
    lomvex::VoiceRemovalState state;
    if (!lomvex::StartVoiceRemoval(state, rate)) {
        if (state.n != 0) std::abort();
        return 0;
    }
    long long work = 0;
    std::vector<double> left, right;
    while (!reader.AtEnd() && work < kWorkBudget) {
        const int count = reader.U16() % 6000;
        left.assign(count, 0.0);
        right.assign(count, 0.0);
        for (int i = 0; i < count; ++i) {
            left[i] = reader.U16() * (80000.0 / 65535.0) - 40000.0;
            right[i] = reader.U16() * (80000.0 / 65535.0) - 40000.0;
        }
        lomvex::RemoveVoice(state, left.data(), right.data(), count);
        CheckFinite(left, count);
        CheckFinite(right, count);
        work += count + 1;
    }
    const int latency = lomvex::VoiceRemovalLatency(state);
    left.assign(latency, 0.0);
    right.assign(latency, 0.0);
    lomvex::FlushVoiceRemoval(state, left.data(), right.data());
    CheckFinite(left, latency);
    CheckFinite(right, latency);
    return 0;
}
