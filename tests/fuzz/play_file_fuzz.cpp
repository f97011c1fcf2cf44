// Fuzzes the file reader over bytes in memory: every kind of file, every
// failure path, with the format checks of a device that takes anything.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "audiofile/play_file.h"
#include "silent_sink.h"

namespace {

class MemoryHost : public lomvex::PlayFileHost {
   public:
    MemoryHost(const uint8_t* data, size_t size) : bytes_(data, data + size) {}
    std::unique_ptr<lomvex::RiffFile> OpenFile(const std::string&) override {
        return std::make_unique<lomvex::MemoryRiffFile>(bytes_);
    }
    void ShowFormat(const uint8_t*, size_t) override {}
    void ShowLength(uint32_t) override {}
    unsigned QueryOutputFormat(const uint8_t*, size_t) override { return 0; }
    unsigned WindowsVersion() override { return 0x0601; }

   private:
    std::vector<uint8_t> bytes_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    lomvex::fuzzing::SilenceMessages();
    MemoryHost host(data, size);
    lomvex::VectorFormatBlock block;
    lomvex::OpenedPlayFile opened;
    if (lomvex::OpenPlayFile("fuzz.wav", host, block, opened)) {
        uint8_t buffer[4096];
        while (opened.file->Read(buffer, sizeof buffer) == sizeof buffer) {
        }
    }
    return 0;
}
