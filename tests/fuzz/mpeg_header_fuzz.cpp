// Fuzzes the MPEG audio parser. The first four input bytes are the data
// size (little-endian) that the Xing byte rate divides; the rest is the data.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "audiofile/byte_source.h"
#include "audiofile/format_record.h"
#include "audiofile/mpeg_header.h"
#include "silent_sink.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    lomvex::fuzzing::SilenceMessages();
    if (size < 4) return 0;
    uint32_t dataSize = lomvex::U32Le(data);
    lomvex::MemoryByteSource source(data + 4, size - 4);
    lomvex::VectorFormatBlock block;
    std::string dump;
    int result = lomvex::ParseMpegHeader(source, block, dataSize, &dump);
    if (result == lomvex::kHeaderParsed) {
        // A record the engine can size its buffers by.
        lomvex::FormatFields fields = lomvex::ReadFormatFields(block.Data());
        if (block.Size() != lomvex::kMpegRecordSize || fields.avgBytesPerSec == 0 ||
            fields.samplesPerSec == 0) {
            std::abort();
        }
    }
    return 0;
}
