// Standard text-to-double conversion of the parametric equalizer fields.
#include "dsp/parametric_text.h"

#include <cmath>
#include <cstdlib>

namespace lomvex {

double ParametricTextToDouble(const std::string& text) {
    // An edit field never holds more than five characters; cut a longer text
    // the same way so that the number read is the one the user could see.
    const std::string field = text.substr(0, kParametricFieldChars);
    const double value = std::strtod(field.c_str(), nullptr);
    // "inf", "nan" or an overflowing exponent would turn a band's gain into
    // infinity or NaN and the whole frame into noise: no usable number.
    return std::isfinite(value) ? value : 0.0;
}

std::array<double, kParametricValues> ParametricBandsFromTexts(
    const std::array<std::string, kParametricValues>& texts) {
    std::array<double, kParametricValues> values{};
    for (int i = 0; i < kParametricValues; ++i) values[i] = ParametricTextToDouble(texts[i]);
    return values;
}

}  // namespace lomvex
