// Format record storage and field decoding.
#include "audiofile/format_record.h"

#include "audiofile/byte_source.h"

namespace lomvex {

uint8_t* VectorFormatBlock::Acquire(size_t size) {
    bytes_.assign(size, 0);
    return Data();
}

FormatFields ReadFormatFields(const uint8_t* record) {
    FormatFields f;
    f.tag = U16Le(record + kFmtTag);
    f.channels = U16Le(record + kFmtChannels);
    f.samplesPerSec = U32Le(record + kFmtSamplesPerSec);
    f.avgBytesPerSec = U32Le(record + kFmtAvgBytesPerSec);
    f.blockAlign = U16Le(record + kFmtBlockAlign);
    f.bitsPerSample = U16Le(record + kFmtBitsPerSample);
    return f;
}

ShapeProblem FindShapeProblem(const FormatFields& f) {
    if (f.channels < 1 || f.channels > 2) return ShapeProblem::Channels;
    if (f.samplesPerSec < kLowestPlayableRate || f.samplesPerSec > kHighestPlayableRate)
        return ShapeProblem::Rate;
    if (f.tag != kTagPcm) return f.blockAlign > 0 ? ShapeProblem::None : ShapeProblem::Block;
    if (f.bitsPerSample != 8 && f.bitsPerSample != 16) return ShapeProblem::Bits;
    if (f.blockAlign != f.channels * f.bitsPerSample / 8) return ShapeProblem::Block;
    return ShapeProblem::None;
}

void WriteFormatFields(uint8_t* record, const FormatFields& f) {
    PutU16Le(record + kFmtTag, f.tag);
    PutU16Le(record + kFmtChannels, f.channels);
    PutU32Le(record + kFmtSamplesPerSec, f.samplesPerSec);
    PutU32Le(record + kFmtAvgBytesPerSec, f.avgBytesPerSec);
    PutU16Le(record + kFmtBlockAlign, f.blockAlign);
    PutU16Le(record + kFmtBitsPerSample, f.bitsPerSample);
}

FormatFields PcmFormat(uint32_t rate, int channels, int bits) {
    FormatFields f;
    f.tag = kTagPcm;
    f.channels = static_cast<uint16_t>(channels);
    f.samplesPerSec = rate;
    f.blockAlign = static_cast<uint16_t>(bits / 8 * channels);
    f.avgBytesPerSec = rate * f.blockAlign;
    f.bitsPerSample = static_cast<uint16_t>(bits);
    return f;
}

}  // namespace lomvex
