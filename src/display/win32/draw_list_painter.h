// Paints a display's list of drawing operations with GDI.
#pragma once

#include <windows.h>

#include "display/draw_list.h"

namespace lomvex {

// Paints `list` on `dc`. The context's state (colours, background mode,
// pen, brush, font) is saved before and restored after; brushes and fonts
// made for the list are deleted again. A run of fills of one colour shares
// one brush.
void PaintDrawList(HDC dc, const DrawList& list);

}  // namespace lomvex
