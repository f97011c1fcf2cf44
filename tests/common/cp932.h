// Converts UTF-8 text to Shift-JIS (code page 932) bytes with iconv, so
// tests can compare the program's stored Japanese bytes with the quoted text.
#pragma once

#include <iconv.h>

#include <stdexcept>
#include <string>

namespace lomvex::testing {

inline std::string Cp932(const std::string& utf8) {
    iconv_t converter = iconv_open("CP932", "UTF-8");
    if (converter == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("no CP932 iconv");
    std::string in = utf8;
    std::string out(in.size() * 2 + 1, '\0');
    char* inPointer = in.data();
    char* outPointer = out.data();
    size_t inLeft = in.size(), outLeft = out.size();
    size_t result = iconv(converter, &inPointer, &inLeft, &outPointer, &outLeft);
    iconv_close(converter);
    if (result == static_cast<size_t>(-1)) throw std::runtime_error("not convertible: " + utf8);
    out.resize(out.size() - outLeft);
    return out;
}

}  // namespace lomvex::testing
