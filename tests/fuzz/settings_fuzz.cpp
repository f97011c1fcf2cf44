// Fuzzes the settings conversions: the input is split at newlines into the
// values of the keys, in reading order; the tempo read must be in its range.
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>

#include "shell/settings.h"

namespace {

class FuzzStore : public lomvex::ProfileStore {
   public:
    explicit FuzzStore(const std::string& text) : text_(text) {}
    std::string Get(const char*, const char* defaultText) override {
        if (position_ >= text_.size()) return defaultText;
        size_t end = text_.find('\n', position_);
        if (end == std::string::npos) end = text_.size();
        std::string value = text_.substr(position_, std::min<size_t>(end - position_, 31));
        position_ = end + 1;
        return value;
    }
    void Put(const char*, const std::string&) override {}

   private:
    std::string text_;
    size_t position_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    FuzzStore store(text);
    lomvex::Settings settings = lomvex::ReadSettings(store, size % 2 == 0);
    // The engine takes the tempo as it is: whatever the file holds, it is
    // one the stage can play.
    if (settings.tempo < lomvex::kTempoMin || settings.tempo > lomvex::kTempoMax) __builtin_trap();
    lomvex::WriteSettings(settings, store, true);
    return 0;
}
