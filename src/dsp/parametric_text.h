// The texts of the nine parametric equalizer fields as numbers.
//
// Fields are read in the order band 0 lower, upper, gain, band 1 lower,
// upper, gain, band 2 lower, upper, gain. Each field holds at most five
// characters; its leading number is taken as a double and a text that does
// not start with a number, or whose number is not finite, gives 0.
#pragma once

#include <array>
#include <string>

#include "dsp/equalizer.h"

namespace lomvex {

constexpr int kParametricFieldChars = 5;

// One field's text as a double; characters after the fifth are ignored.
double ParametricTextToDouble(const std::string& text);

// The nine field texts as P[0] .. P[8] of the parametric bands.
std::array<double, kParametricValues> ParametricBandsFromTexts(
    const std::array<std::string, kParametricValues>& texts);

}  // namespace lomvex
