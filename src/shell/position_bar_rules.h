// The position bar below the level meter: how it answers a scroll, when
// it is enabled and where it lies. Nothing here knows Win32.
#pragma once

#include "base/layout_units.h"
#include "shell/control_layout.h"

namespace lomvex {

constexpr int kPositionLineTenths = 10;   // an arrow: 1 second
constexpr int kPositionPageTenths = 100;  // the trough: 10 seconds

// The position a scroll code asks for: `now` moved by an arrow or a page,
// the thumb's position for the two thumb codes, `now` for other codes;
// always inside 0..length.
int NextPlayPosition(int now, int code, int thumbPosition, int length);

// Whether the scroll code moves the playing position at once; dragging the
// thumb only moves it when the thumb is let go.
bool ScrollMovesPosition(int code);

// On only with a file open for playing that has a length, and no save
// running.
bool PositionBarEnabled(int engineMode, bool saving, int songTenths);

// Across the bottom of the client area, below the level meter; the client
// area is taller by its height, half a unit above it and a unit below it
// for the loop's strip (WindowClientHeight).
ControlRect PositionBarRect(const LayoutUnits& units);
int WindowClientHeight(const LayoutUnits& units);

}  // namespace lomvex
