// Fuzzes the Ogg parser, at offset 0 and at the offset given by the first
// input byte.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "audiofile/byte_source.h"
#include "audiofile/format_record.h"
#include "audiofile/ogg_header.h"
#include "silent_sink.h"

namespace {

void ParseAt(const uint8_t* data, size_t size, uint32_t offset) {
    lomvex::MemoryByteSource source(data, size);
    lomvex::VectorFormatBlock block;
    std::string dump;
    if (lomvex::ParseOggHeader(source, block, offset, &dump) == lomvex::kHeaderParsed) {
        lomvex::FormatFields fields = lomvex::ReadFormatFields(block.Data());
        if (block.Size() != lomvex::kOggRecordSize || fields.channels == 0 ||
            fields.samplesPerSec == 0) {
            std::abort();
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    lomvex::fuzzing::SilenceMessages();
    ParseAt(data, size, 0);
    if (size > 0) ParseAt(data, size, data[0]);
    return 0;
}
