// Finding where to restart the decoding of MPEG audio: the frame that holds
// a wanted data offset, found by walking the frame headers from the first
// frame, so that a jump never starts the decoder inside a frame.
#pragma once

#include <cstdint>

#include "audiofile/byte_source.h"

namespace lomvex {

struct MpegFramePlace {
    uint32_t offset = 0;           // data offset of the frame's header
    uint64_t frameIndex = 0;       // frames before it, from the first frame
    uint32_t samplesPerFrame = 0;  // of the first frame's layer and version
};

// Of the data of `dataSize` bytes at `dataStart`, the last frame that starts
// at or before data offset `wanted` (the first frame when `wanted` lies
// before it), and no later than frame `lastIndex`. The walk ends early at bytes that are not a
// usable header: the last frame found then stands. False when the data has no first frame. Leaves
// the source position anywhere.
bool FindMpegFrame(ByteSource& source, uint32_t dataStart, uint32_t dataSize, uint32_t wanted,
                   MpegFramePlace& place, uint64_t lastIndex = ~uint64_t{0});

}  // namespace lomvex
