// The value texts the main window paints: the balance value beside the
// balance scrollbar and the parametric fields' unit labels.
#pragma once

#include <windows.h>

namespace lomvex {

// Draws "%+4d" (or "%4d" for 0) of the balance at (W - 5·unitX, 14·unitY) on
// `dc`, which has the OEM fixed font selected, in the value-text colours
// (grey background, black text; dark grey and white in the dark scheme).
// The device context's colours are restored afterwards.
void DrawBalanceText(HDC dc);
// The "to", "Hz" and "db" labels of the parametric fields, in the same
// colours.
void DrawParametricLabels(HDC dc);

}  // namespace lomvex
