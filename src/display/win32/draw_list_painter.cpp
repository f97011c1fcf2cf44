// GDI painting of drawing-operation lists.
#include "display/win32/draw_list_painter.h"

#include "base/program_state.h"

namespace lomvex {
namespace {

COLORREF Resolve(Colour colour) {
    if (colour & kSystemColourFlag) return GetSysColor(static_cast<int>(colour & 0xFF));
    return colour;
}

// The channel labels' bold font. The Shift-JIS character set only in
// Japanese mode: elsewhere the system may have no font of that set that
// holds Latin letters, and the labels would come out as empty boxes.
HFONT CreateLabelFont(int height) {
    LOGFONTA font = {};
    font.lfHeight = height;
    font.lfWeight = FW_BOLD;
    font.lfCharSet = program.japaneseMode ? SHIFTJIS_CHARSET : DEFAULT_CHARSET;
    return CreateFontIndirectA(&font);
}

}  // namespace

void PaintDrawList(HDC dc, const DrawList& list) {
    if (list.empty()) return;
    const int saved = SaveDC(dc);
    HBRUSH brush = nullptr;
    Colour brushColour = 0;
    HFONT font = nullptr;
    for (const DrawOp& op : list) {
        switch (op.kind) {
            case OpKind::Fill:
                if (brush == nullptr || op.colour != brushColour) {
                    HBRUSH next = CreateSolidBrush(Resolve(op.colour));
                    SelectObject(dc, next);
                    if (brush) DeleteObject(brush);
                    brush = next;
                    brushColour = op.colour;
                }
                PatBlt(dc, op.x, op.y, op.width, op.height, PATCOPY);
                break;
            case OpKind::Blackness:
                PatBlt(dc, op.x, op.y, op.width, op.height, BLACKNESS);
                break;
            case OpKind::Whiteness:
                PatBlt(dc, op.x, op.y, op.width, op.height, WHITENESS);
                break;
            case OpKind::MoveTo:
                MoveToEx(dc, op.x, op.y, nullptr);
                break;
            case OpKind::LineTo:
                LineTo(dc, op.x, op.y);
                break;
            case OpKind::Text:
                TextOutA(dc, op.x, op.y, op.text.data(), static_cast<int>(op.text.size()));
                break;
            case OpKind::TextColour:
                SetTextColor(dc, Resolve(op.colour));
                break;
            case OpKind::BackColour:
                SetBkColor(dc, Resolve(op.colour));
                break;
            case OpKind::OpaqueBack:
                SetBkMode(dc, OPAQUE);
                break;
            case OpKind::TransparentBack:
                SetBkMode(dc, TRANSPARENT);
                break;
            case OpKind::LabelFont: {
                HFONT next = CreateLabelFont(op.height);
                SelectObject(dc, next);
                if (font) DeleteObject(font);
                font = next;
                break;
            }
            case OpKind::WhitePen:
                SelectObject(dc, GetStockObject(WHITE_PEN));
                break;
        }
    }
    RestoreDC(dc, saved);  // deselects the brush and the font before they go
    if (brush) DeleteObject(brush);
    if (font) DeleteObject(font);
}

}  // namespace lomvex
