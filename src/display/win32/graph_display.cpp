// The graph area over the main window's display context.
#include "display/format_state.h"
#include "display/graph_area.h"
#include "display/win32/draw_list_painter.h"
#include "display/win32/run_display.h"
#include "shell/shell_state.h"

namespace lomvex {
namespace {

class WindowGraph : public GraphView {
   public:
    HDC dc = nullptr;

   protected:
    void Paint(const DrawList& list) override { PaintDrawList(dc, list); }
};

GraphInputs CurrentGraphInputs() {
    GraphInputs in;
    in.unitX = shell.units.unitX;
    in.unitY = shell.units.unitY;
    in.dark = shell.darkScheme;
    in.decibel = shell.settings.display != 0;
    in.fftparam = shell.settings.fftparam;
    in.viewItem = shell.viewItem;
    in.sixteenBit = (formatState.layout & 1) != 0;
    in.rateKhz = formatState.rateKhz;
    in.tag = formatState.tag;
    in.deltatime = shell.settings.deltatime;
    return in;
}

}  // namespace

FrameDisplay& GraphDisplay(HDC dc) {
    static WindowGraph graph;
    graph.dc = dc;
    graph.inputs = CurrentGraphInputs();
    return graph;
}

}  // namespace lomvex
