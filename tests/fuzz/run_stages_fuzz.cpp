// Fuzzes the streaming stages over a run's PCM buffers, as the engine uses
// them: the first bytes choose the stage (voice removal, or transposition
// and tempo), the layout, the sample rate, the buffer size, the spare room,
// the shift and the tempo; the rest is the sound, cut into buffers and
// ended with the tail taken in pieces. A run must write as many frames as
// it read times 100 / tempo (exactly at 100, else within one frame), and
// never past a buffer.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "base/settings_values.h"
#include "dsp/frame_stages.h"
#include "dsp/pcm_frames.h"
#include "dsp/pcm_stage.h"

namespace {

constexpr double kRates[] = {8000, 11025, 16000, 22050, 32000, 44100, 48000};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace lomvex;
    if (size < 6) return 0;
    const bool voice = data[0] & 1;
    const int layout = voice ? (data[0] & 2 ? 3 : 2) : (data[0] >> 1) & 3;
    const double rate = kRates[data[1] % 7];
    const uint32_t frameBytes = LayoutBytesPerFrame(layout);
    const uint32_t bufferBytes = (1 + data[2] * 37u) * frameBytes;
    const uint32_t room = data[3] * 11u;
    const double semitones = (static_cast<int>(data[4]) - 128) / 10.0;
    const int tempo = voice ? 100 : 50 + data[5] % 151;
    data += 6;
    size -= 6;
    const size_t total = size - size % frameBytes;

    PcmStage stage;
    std::unique_ptr<FrameStage> made =
        voice ? MakeVoiceRemovalStage(rate)
              : MakePitchShiftStage(rate, LayoutChannels(layout), semitones, tempo,
                                    (tempo == 100 && (data[4] & 1)) ? 100 : kTempoMin);
    if (!made || !StartPcmStage(stage, std::move(made), layout)) std::abort();
    std::vector<uint8_t> buffer(bufferBytes + room + 8);
    size_t written = 0;
    for (size_t at = 0; at < total || at == 0; at += bufferBytes) {
        const uint32_t n = static_cast<uint32_t>(std::min<size_t>(bufferBytes, total - at));
        std::copy(data + at, data + at + n, buffer.begin());
        const bool end = at + n >= total;
        const uint32_t got = ProcessPcmStage(stage, buffer.data(), n, n + room, end);
        if (got > n + room) std::abort();
        written += got;
        if (end) break;
    }
    while (uint32_t got = TakePcmStageTail(stage, buffer.data(), bufferBytes)) {
        if (got > bufferBytes) std::abort();
        written += got;
    }
    const double expected = static_cast<double>(total / frameBytes) * 100.0 / tempo;
    const double frames = static_cast<double>(written / frameBytes);
    if (written % frameBytes != 0 || PcmStageOwesTail(stage)) std::abort();
    if (tempo == 100 ? written != total : std::fabs(frames - expected) > 1.0) std::abort();
    StopPcmStage(stage);
    return 0;
}
