// The drawing-operation list.
#include "display/draw_list.h"

namespace lomvex {

DrawOp& DrawList::Next(OpKind kind) {
    if (used_ == ops_.size()) ops_.emplace_back();
    DrawOp& op = ops_[used_++];
    op.kind = kind;
    op.x = op.y = op.width = op.height = 0;
    op.colour = 0;
    op.text.clear();
    return op;
}

DrawOp& DrawList::NextRect(OpKind kind, int x, int y, int width, int height) {
    DrawOp& op = Next(kind);
    op.x = x;
    op.y = y;
    op.width = width;
    op.height = height;
    return op;
}

void DrawList::Fill(int x, int y, int width, int height, Colour colour) {
    NextRect(OpKind::Fill, x, y, width, height).colour = colour;
}

void DrawList::Blackness(int x, int y, int width, int height) {
    NextRect(OpKind::Blackness, x, y, width, height);
}

void DrawList::Whiteness(int x, int y, int width, int height) {
    NextRect(OpKind::Whiteness, x, y, width, height);
}

void DrawList::MoveTo(int x, int y) {
    DrawOp& op = Next(OpKind::MoveTo);
    op.x = x;
    op.y = y;
}

void DrawList::LineTo(int x, int y) {
    DrawOp& op = Next(OpKind::LineTo);
    op.x = x;
    op.y = y;
}

void DrawList::Text(int x, int y, const std::string& text) {
    DrawOp& op = Next(OpKind::Text);
    op.x = x;
    op.y = y;
    op.text = text;
}

void DrawList::TextColour(Colour colour) {
    Next(OpKind::TextColour).colour = colour;
}

void DrawList::BackColour(Colour colour) {
    Next(OpKind::BackColour).colour = colour;
}

void DrawList::OpaqueBack() {
    Next(OpKind::OpaqueBack);
}

void DrawList::TransparentBack() {
    Next(OpKind::TransparentBack);
}

void DrawList::LabelFont(int height) {
    Next(OpKind::LabelFont).height = height;
}

void DrawList::WhitePen() {
    Next(OpKind::WhitePen);
}

}  // namespace lomvex
