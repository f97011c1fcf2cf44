// The encoder's delay and padding of an MP3, from the "Xing" or "Info"
// header of its first frame and the LAME extension that follows it: what a
// decoder drops at the start and the end so that the sound is as long as,
// and sample-aligned with, what was encoded.
#pragma once

#include <cstddef>
#include <cstdint>

#include "audiofile/byte_source.h"

namespace lomvex {

struct GaplessInfo {
    uint32_t frames = 0;           // audio frames after the tag's own frame
    uint32_t samplesPerFrame = 0;  // 1152 (MPEG-1) or 576 (MPEG-2, 2.5)
    uint32_t delay = 0;            // encoder delay, samples
    uint32_t padding = 0;          // samples added at the end
    uint32_t tagFrameBytes = 0;    // length of the frame holding the tag

    // The samples that were encoded.
    uint64_t EncodedSamples() const { return uint64_t{frames} * samplesPerFrame - delay - padding; }
};

// Reads the tag from the first MPEG Layer-III frame at `frameStart` of
// `source`, whose audio data holds `dataBytes` bytes from that frame on.
// True with `info` filled when a frame count, a LAME extension and numbers
// that fit the file are there: delay and padding shorter than the frames,
// the tag's byte count (when given) no more than the data. False for any
// other file, which then plays as it is.
bool ReadLameTag(ByteSource& source, uint32_t frameStart, uint32_t dataBytes, GaplessInfo& info);

}  // namespace lomvex
