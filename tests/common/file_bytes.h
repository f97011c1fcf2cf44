// Files that command-line tools write for a test: a directory of the test
// process's own, and a whole file's bytes.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

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

// A new, empty directory under the test temporary directory, named after
// `prefix`. Each test process gets its own, so tests run in parallel never
// read a file another one is still writing.
inline std::string NewTempDir(const std::string& prefix) {
    std::string pattern = ::testing::TempDir() + prefix + "_XXXXXX";
    const char* made = mkdtemp(pattern.data());
    return made ? std::string(made) : std::string();
}

}  // namespace lomvex::testing
