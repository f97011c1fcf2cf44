// A whole file's bytes, for tests that read what a command-line tool wrote.
#pragma once

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace lomvex::testing {

// The bytes of the file at `path`; empty when it cannot be read.
inline std::vector<uint8_t> FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in),
                                std::istreambuf_iterator<char>());
}

}  // namespace lomvex::testing
