// Derives the format state from a format record.
#include "audiofile/format_state.h"

#include "audiofile/format_record.h"

namespace lomvex {

FormatState formatState;

namespace {

bool IsOggVorbisTag(uint16_t tag) { return tag >= 0x674F && tag <= 0x6751; }

}  // namespace

FormatState DescribeFormat(const uint8_t* record) {
    FormatFields fields = ReadFormatFields(record);
    FormatState state;
    state.layout = fields.channels == 2 ? 2 : 0;
    if (fields.bitsPerSample == 16 && (fields.channels == 1 || fields.channels == 2))
        state.layout |= 1;
    state.tag = fields.tag;
    state.blockAlign = fields.blockAlign;
    state.avgBytesPerSec = fields.avgBytesPerSec;
    state.sampleRate = fields.samplesPerSec;
    state.rateKhz = (fields.samplesPerSec + 500u) / 1000u;
    state.bitsShown = IsOggVorbisTag(fields.tag) ? 0 : fields.bitsPerSample;
    return state;
}

bool IsCompressedTag(uint16_t tag) {
    return tag == 0x55 || (tag >= 0x71 && tag <= 0x73) || IsOggVorbisTag(tag);
}

}  // namespace lomvex
