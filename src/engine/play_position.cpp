// Playing position arithmetic.
#include "engine/play_position.h"

#include <algorithm>

namespace lomvex {

int TenthsOfBytes(double bytes, uint32_t avgBytesPerSec) {
    if (avgBytesPerSec == 0 || bytes <= 0) return 0;
    return static_cast<int>(bytes * 10.0 / avgBytesPerSec);
}

uint32_t BlockOffsetOfTenths(int tenths, uint32_t avgBytesPerSec, uint32_t blockAlign,
                             uint32_t dataSize) {
    const uint64_t block = std::max<uint32_t>(blockAlign, 1);
    const uint64_t lastBlock = dataSize < block ? 0 : (dataSize / block - 1) * block;
    if (tenths <= 0) return 0;
    const uint64_t wanted = uint64_t{avgBytesPerSec} * static_cast<uint64_t>(tenths) / 10;
    return static_cast<uint32_t>(std::min(wanted / block * block, lastBlock));
}

void SetLoopStart(LoopRange& loop, int tenths) {
    loop.start = std::max(tenths, 0);
    if (loop.end >= 0 && loop.end <= loop.start) loop.end = -1;
}

void SetLoopEnd(LoopRange& loop, int tenths) {
    loop.end = std::max(tenths, 0);
    if (loop.start < 0) loop.start = 0;
    if (loop.end <= loop.start) loop.end = -1;
}

int PositionInLoop(const LoopRange& loop, int tenths) {
    return loop.Plays() && tenths >= loop.end ? loop.start : tenths;
}

int MovedPosition(int now, int delta, int length) {
    const long long moved = static_cast<long long>(now) + delta;
    return static_cast<int>(std::clamp<long long>(moved, 0, std::max(length, 0)));
}

}  // namespace lomvex
