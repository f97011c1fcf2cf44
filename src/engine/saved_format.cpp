// Saved WAV format record.
#include "engine/saved_format.h"

#include "audiofile/byte_source.h"

namespace lomvex {

SavedFormatBytes SavedFormat(const FormatFields& fields, bool monoOutput) {
    FormatFields out = fields;
    out.tag = kTagPcm;
    if (monoOutput) {
        out.channels = 1;
        out.blockAlign = static_cast<uint16_t>(out.bitsPerSample / 8);
        out.avgBytesPerSec = out.samplesPerSec * out.blockAlign;
    }
    SavedFormatBytes bytes = {};
    PutU16Le(&bytes[kFmtTag], out.tag);
    PutU16Le(&bytes[kFmtChannels], out.channels);
    PutU32Le(&bytes[kFmtSamplesPerSec], out.samplesPerSec);
    PutU32Le(&bytes[kFmtAvgBytesPerSec], out.avgBytesPerSec);
    PutU16Le(&bytes[kFmtBlockAlign], out.blockAlign);
    PutU16Le(&bytes[kFmtBitsPerSample], out.bitsPerSample);
    return bytes;  // cbSize stays 0
}

}  // namespace lomvex
