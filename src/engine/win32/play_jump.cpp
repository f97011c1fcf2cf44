// The playing position: the source offset a jump asks for, snapped to where
// the source can be read from (a block of PCM, an MPEG frame), and the
// buffer ring refilled from there.
#include "engine/win32/play_jump.h"

#include "audiofile/format_state.h"
#include "audiofile/ogg_length.h"
#include "audiofile/win32/play_file_binding.h"
#include "audiofile/win32/sound_decoder.h"
#include "base/run_state.h"
#include "engine/play_position.h"
#include "engine/win32/play_loop.h"
#include "engine/win32/playback.h"

namespace lomvex {
namespace {

// Where Play starts, in tenths, and the file offset of the data's first
// byte in the running play run.
int startTenths = 0;
uint32_t dataStart = 0;
uint32_t oggByteRate = 0;  // 0: the format's byte rate

}  // namespace

bool MoveSourceTo(int tenths, uint32_t& offset) {
    const uint32_t wanted =
        BlockOffsetOfTenths(tenths, PositionByteRate(), run.blockAlign, playFile.dataSize);
    RiffFile& file = *playFile.file;
    // Finding an MPEG frame walks the file: a failed move puts it back.
    const uint32_t at = file.Tell();
    offset = wanted;
    if ((!IsDecoding() ||
         MoveDecoder(dataStart, playFile.dataSize, wanted, tenths / 10.0, offset)) &&
        offset < playFile.dataSize && file.Seek(dataStart + offset))
        return true;
    file.Seek(at);
    return false;
}

uint32_t PositionByteRate() {
    return oggByteRate != 0 ? oggByteRate : formatState.avgBytesPerSec;
}

void MeasurePositionByteRate() {
    oggByteRate = 0;
    if (!playFile.file || playFile.kind != FileKind::Ogg) return;
    RiffFile& file = *playFile.file;
    const uint32_t at = file.Tell();
    uint64_t granule = 0;
    if (LastOggGranule(file, file.Length(), granule) && granule > 0 && formatState.sampleRate > 0) {
        const double rate = playFile.dataSize * formatState.sampleRate / double(granule);
        if (rate >= 1 && rate < 4294967295.0) oggByteRate = static_cast<uint32_t>(rate);
    }
    file.Seek(at);
}

int SongTenths() {
    if (run.mode != kEnginePlay) return 0;
    return TenthsOfBytes(playFile.dataSize, PositionByteRate());
}

int PlayPositionTenths() {
    if (run.mode == kEnginePlay && run.playing)
        return TenthsOfBytes(run.bytesPlayed, PositionByteRate());
    return startTenths;
}

void MovePlayPosition(int tenths) {
    if (run.mode != kEnginePlay) return;
    tenths = PositionInLoop(PlayLoop(), MovedPosition(tenths, 0, SongTenths()));
    if (!run.playing) {
        startTenths = tenths;
        return;
    }
    uint32_t offset = 0;
    if (playFile.file && MoveSourceTo(tenths, offset)) RestartPlaybackAt(offset);
}

void ResetPlayPosition() {
    startTenths = 0;
    ClearPlayLoop();
}

bool ApplyStartPosition() {
    dataStart = playFile.file->Tell();
    const int tenths = startTenths;
    startTenths = 0;  // the next Play starts at the start again
    if (tenths == 0) return true;
    uint32_t offset = 0;
    if (!MoveSourceTo(tenths, offset)) {
        playFile.file->Seek(dataStart);
        return false;
    }
    playFile.remaining = playFile.dataSize - offset;
    run.bytesPlayed = offset;
    return true;
}

}  // namespace lomvex
