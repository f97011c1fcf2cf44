// Streams a song through StartVoiceRemoval / RemoveVoice /
// FlushVoiceRemoval the way a save run does.
#include "lomvex_method.h"

#include <algorithm>

#include "dsp/voice_removal.h"

namespace lomvex::vbench {

bool LomvexVoiceRemoval(const Stereo& mix, Stereo& out) {
    constexpr size_t kBlock = 4096;
    VoiceRemovalState state;
    if (!StartVoiceRemoval(state, kRate)) return false;
    Stereo x = mix;
    for (size_t done = 0; done < x.left.size(); done += kBlock) {
        const int block = static_cast<int>(std::min(kBlock, x.left.size() - done));
        RemoveVoice(state, &x.left[done], &x.right[done], block);
    }
    const int latency = VoiceRemovalLatency(state);
    Channel tailLeft(latency), tailRight(latency);
    FlushVoiceRemoval(state, tailLeft.data(), tailRight.data());
    out.left.assign(x.left.begin() + latency, x.left.end());
    out.right.assign(x.right.begin() + latency, x.right.end());
    out.left.insert(out.left.end(), tailLeft.begin(), tailLeft.end());
    out.right.insert(out.right.end(), tailRight.begin(), tailRight.end());
    return true;
}

}  // namespace lomvex::vbench
