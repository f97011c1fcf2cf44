// Names of wave format tags, as the wave detail dialog shows them beside
// the tag: a fixed table of 129 names, "?" for tag 0. Tags the table does
// not name are left to the platform's compression manager (or "unknown").
#pragma once

#include <cstddef>
#include <cstdint>

namespace lomvex {

struct FormatTagName {
    uint16_t tag;
    const char* name;
};

// The table, in ascending tag order.
constexpr size_t kFormatTagNameCount = 129;
extern const FormatTagName kFormatTagNames[kFormatTagNameCount];

// The name of `tag`: "?" for 0, the table's name, or null when the table
// does not name it.
const char* FindFormatTagName(uint16_t tag);

}  // namespace lomvex
