// The graph area over the main window's display context.
#include "audiofile/format_state.h"
#include "display/graph_area.h"
#include "display/win32/draw_list_painter.h"
#include "display/win32/run_display.h"
#include "base/program_state.h"

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
    in.unitX = program.units.unitX;
    in.unitY = program.units.unitY;
    in.dark = program.darkScheme;
    in.decibel = program.settings.display != 0;
    in.fftparam = program.settings.fftparam;
    in.viewItem = program.viewItem;
    in.sixteenBit = (formatState.layout & 1) != 0;
    in.rateKhz = formatState.rateKhz;
    in.tag = formatState.tag;
    in.deltatime = program.settings.deltatime;
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
