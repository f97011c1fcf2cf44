// Fuzzes the wave detail walk over files in memory: the RIFF fields, the
// chunk skips, the MPEG and Ogg dumps. The whole input is the file; its
// length picks the language and the spelled-out forms, so that every text
// path is taken.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "audiofile/riff_file.h"
#include "dialogs/wave_detail.h"
#include "silent_sink.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    lomvex::fuzzing::SilenceMessages();
    lomvex::MemoryRiffFile file(std::vector<uint8_t>(data, data + size));
    lomvex::WaveDetailInputs in;
    in.japanese = (size & 1) != 0;
    in.useclip = (size & 2) != 0;
    in.fileSizeKnown = true;
    in.fileSize = size;
    in.lookupTagName = [](uint16_t tag) { return tag & 1 ? std::string("codec") : std::string(); };
    lomvex::WaveDetail detail = lomvex::DescribeWaveDetail(&file, in);

    // The text box comes with the kinds that are not plain WAV, and only
    // the dialog's own controls get texts.
    if (detail.showDump != (detail.kind != lomvex::DetailKind::Plain)) std::abort();
    for (const auto& [id, text] : detail.texts) {
        if (id < lomvex::detail_ids::kRiffId || id > lomvex::detail_ids::kRiffTypeHint)
            std::abort();
        if (text.size() > 127) std::abort();
    }
    return 0;
}
