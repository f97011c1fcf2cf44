// The loop's wrap in the buffer cycle.
#include "engine/win32/play_loop.h"

#include <algorithm>
#include <vector>

#include "audiofile/format_state.h"
#include "audiofile/win32/play_file_binding.h"
#include "audiofile/win32/sound_decoder.h"
#include "base/run_state.h"
#include "dsp/pcm_frames.h"
#include "engine/loop_fade.h"
#include "engine/win32/engine_state.h"
#include "engine/win32/play_jump.h"

namespace lomvex {
namespace {

LoopRange loop;

struct Seam {
    bool pending = false;       // the next buffer starts at the loop's Start
    std::vector<uint8_t> tail;  // the PCM that follows End, to fade out
    bool wrapped[kRingBuffers] = {};
    uint32_t startOffset[kRingBuffers] = {};
};
Seam seam;

uint32_t EndOffset() {
    return BlockOffsetOfTenths(loop.end, PositionByteRate(), run.blockAlign, playFile.dataSize);
}

// Reads the PCM that follows End, where the file stands after the read
// that ended there (at most `bytes`), and puts the file back.
void ReadTail(uint32_t bytes, uint32_t remaining) {
    RiffFile& file = *playFile.file;
    const uint32_t at = file.Tell();
    seam.tail.resize(std::min(bytes, remaining));
    seam.tail.resize(file.Read(seam.tail.data(), static_cast<uint32_t>(seam.tail.size())));
    file.Seek(at);
}

}  // namespace

LoopRange& PlayLoop() {
    return loop;
}

void ClearPlayLoop() {
    loop = LoopRange{};
    ResetLoopSeam();
}

void ResetLoopSeam() {
    seam.pending = false;
    seam.tail.clear();
    for (bool& w : seam.wrapped) w = false;
}

bool LoopWrapsAfter(uint32_t readEnd) {
    return loop.Plays() && readEnd >= EndOffset();
}

uint32_t LoopReadLength(uint32_t position, uint32_t n) {
    if (!loop.Plays()) return n;
    const uint32_t end = EndOffset();
    if (position >= end || end - position >= n) return n;
    return end - position;
}

void CloseLoopSeam(int i, uint8_t* pcm, uint32_t bytes, uint32_t readEnd, uint32_t& remaining) {
    const uint32_t frames = LoopFadeFrames(formatState.sampleRate);
    seam.wrapped[i] = false;
    if (seam.pending) {
        CrossFadeLoopSeam(pcm, bytes, seam.tail.data(), static_cast<uint32_t>(seam.tail.size()),
                          frames, formatState.layout);
        seam.pending = false;
    }
    if (!LoopWrapsAfter(readEnd)) return;
    // The sound after End fades out under the sound from Start: read (or,
    // for a compressed file, decoded) before the source moves away.
    const uint32_t tailBytes = frames * LayoutBytesPerFrame(formatState.layout);
    uint32_t consumed = 0;
    if (IsDecoding())
        consumed = DecodeFollowing(tailBytes, remaining, seam.tail);
    else
        ReadTail(tailBytes, remaining);
    uint32_t offset = 0;
    if (!MoveSourceTo(loop.start, offset)) {
        // Playing goes on past End; a decoder has taken what it read.
        remaining -= consumed;
        ResetLoopSeam();
        return;
    }
    remaining = playFile.dataSize - offset;
    seam.pending = true;
    seam.wrapped[i] = true;
    seam.startOffset[i] = offset;
}

double PositionAfterBuffer(int i, double played, uint32_t readLength) {
    if (i < 0 || i >= kRingBuffers || !seam.wrapped[i]) return played + readLength;
    seam.wrapped[i] = false;
    return seam.startOffset[i];
}

}  // namespace lomvex
