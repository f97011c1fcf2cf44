// Layout unit arithmetic.
#include "base/layout_units.h"

#include <algorithm>

namespace lomvex {

bool UsesJapanese(const FontMetrics& oem, bool englishRequested) {
    return oem.charSet == kShiftJisCharSet && !englishRequested;
}

LayoutUnits ComputeLayoutUnits(const FontMetrics& font, bool japanese) {
    LayoutUnits units;
    units.unitX = font.averageWidth;
    units.unitY = japanese ? font.ascent / 2 : font.height / 2 + 1;
    units.unitA = font.ascent / 2;
    return units;
}

int ClientWidth(const LayoutUnits& units) {
    return std::max(4 * units.unitX + 256, 40 * units.unitX);
}

int ClientHeight(const LayoutUnits& units) { return 35 * units.unitY + 100; }

int WindowClientWidth(const LayoutUnits& units) {
    return std::max(ClientWidth(units), 8 * units.unitX + 256);
}

}  // namespace lomvex
