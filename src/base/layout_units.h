// Layout units: all main-window geometry is expressed in units taken from
// the text metrics of the system's fixed OEM font.
#pragma once

namespace lomvex {

struct FontMetrics {
    int height = 0;
    int ascent = 0;
    int averageWidth = 0;
    int charSet = 0;
};

struct LayoutUnits {
    int unitX = 0;
    int unitY = 0;
    int unitA = 0;
};

constexpr int kShiftJisCharSet = 128;

// Japanese texts are used when the OEM font is Shift-JIS, unless "/E" asked
// for English.
bool UsesJapanese(const FontMetrics& oem, bool englishRequested);

LayoutUnits ComputeLayoutUnits(const FontMetrics& font, bool japanese);

// The client width W that all geometry is measured from, and the client
// height of the main window.
int ClientWidth(const LayoutUnits& units);
int ClientHeight(const LayoutUnits& units);

// The width the main window's client area is created with: W, or wider when
// the Reset button (at unitX + 256, 6 units wide) would reach past W, as it
// does with fonts narrower than 8 pixels, keeping one unit to its right.
int WindowClientWidth(const LayoutUnits& units);

}  // namespace lomvex
