// One-time length and wave buffer sizes.
#include "engine/buffer_sizes.h"

#include <algorithm>

#include <cstring>

#include "dsp/pcm_frames.h"

namespace lomvex {

uint32_t ComputeOneTimeLength(const FormatFields& format, uint32_t units) {
    const uint32_t a = format.avgBytesPerSec;
    const uint32_t rate = format.samplesPerSec;
    double length;
    if (a % 11025 == 0)
        length = static_cast<double>(a / 11025) * units;
    else if (rate == 12000)
        length = static_cast<double>(a) / 8000 * units;
    else if (a % 8000 == 0)
        length = static_cast<double>(a / 8000) * units;
    else if (rate % 11025 == 0)
        length = static_cast<double>(a) / 11025 * units;
    else
        length = static_cast<double>(a) / 8000 * units;
    // Whole blocks; the block alignment of a refused record is never 0 here,
    // but a zero one must not divide.
    const uint32_t block = format.blockAlign ? format.blockAlign : 1;
    const uint32_t whole = length >= 4294967295.0 ? 4294967295u : static_cast<uint32_t>(length);
    const uint32_t rounded = whole - whole % block;
    return rounded ? rounded : block;
}

uint32_t TempoReadLength(uint32_t oneTimeLength, uint32_t blockAlign, double tempo) {
    if (tempo >= 100.0) return oneTimeLength;
    const uint32_t block = blockAlign == 0 ? 1 : blockAlign;
    const uint32_t blocks = static_cast<uint32_t>(oneTimeLength / block * tempo / 100.0);
    return std::max<uint32_t>(1, blocks) * block;
}

uint32_t WaveBufferSize(uint32_t contentSize, bool overlapPath, int fftparam, int layoutCode) {
    if (!overlapPath) return contentSize;
    int exponent = layoutCode == 0 ? fftparam - 1 : layoutCode == 3 ? fftparam + 1 : fftparam;
    return contentSize + (1u << exponent);
}

bool IsLastQueuedBuffer(int index, const uint32_t outputLength[4], uint32_t remaining,
                        bool owesSound) {
    return remaining == 0 && !owesSound && (index == 3 || outputLength[index + 1] == 0);
}

uint32_t FillEmptyOutput(uint8_t* buffer, int layoutCode) {
    std::memset(buffer, LayoutSilenceByte(layoutCode), 4);
    return 4;
}

}  // namespace lomvex
