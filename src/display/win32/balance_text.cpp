// The balance value text, painted from the tested drawing operations.
#include "display/win32/balance_text.h"

#include "display/band_panel.h"
#include "display/draw_list.h"
#include "display/win32/draw_list_painter.h"
#include "shell/control_state.h"
#include "shell/shell_state.h"

namespace lomvex {

void DrawBalanceText(HDC dc) {
    DrawList list;
    BalanceTextOps(list, shell.units, shell.darkScheme, controlState.channel.balance);
    PaintDrawList(dc, list);
}

}  // namespace lomvex
