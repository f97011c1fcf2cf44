// The balance value text, painted from the tested drawing operations.
#include "display/win32/balance_text.h"

#include "display/band_panel.h"
#include "display/draw_list.h"
#include "display/win32/draw_list_painter.h"
#include "dsp/control_state.h"
#include "base/program_state.h"

namespace lomvex {

void DrawBalanceText(HDC dc) {
    DrawList list;
    BalanceTextOps(list, program.units, program.darkScheme, controlState.channel.balance);
    PaintDrawList(dc, list);
}

void DrawParametricLabels(HDC dc) {
    DrawList list;
    ParametricLabelOps(list, program.units, program.darkScheme, program.japaneseMode);
    PaintDrawList(dc, list);
}

}  // namespace lomvex
