// What the displays draw, as data: the portable core computes a list of
// drawing operations and the Win32 binding paints it with GDI, one call per
// operation. Tests compare the lists.
//
// Painting a list leaves the device context as it was: the binding saves
// and restores its state around every list, so colours, pens and fonts set
// by one list never leak into the next drawing.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace lomvex {

// A GDI colour reference: red in the low byte, then green, then blue.
using Colour = uint32_t;

constexpr Colour Rgb(unsigned red, unsigned green, unsigned blue) {
    return red | (green << 8) | (blue << 16);
}

// A system colour (GetSysColor index) where a Colour is expected.
constexpr Colour kSystemColourFlag = 0x80000000u;
constexpr Colour SystemColour(int index) {
    return kSystemColourFlag | static_cast<Colour>(index);
}
constexpr int kSysColourButtonFace = 15;  // COLOR_BTNFACE
constexpr int kSysColourButtonText = 18;  // COLOR_BTNTEXT

constexpr Colour kBlack = Rgb(0, 0, 0);
constexpr Colour kWhite = Rgb(255, 255, 255);

enum class OpKind : uint8_t {
    Fill,             // rectangle filled with a solid brush of `colour`
    Blackness,        // raster fill of the rectangle with black
    Whiteness,        // raster fill of the rectangle with white
    MoveTo,           // (x, y)
    LineTo,           // (x, y) with the current pen
    Text,             // `text` at (x, y) in the current colours and font
    TextColour,       // sets the text colour to `colour`
    BackColour,       // sets the background colour to `colour`
    OpaqueBack,       // background mode opaque
    TransparentBack,  // background mode transparent
    LabelFont,        // selects a new bold Shift-JIS font of height `height`
    WhitePen,         // selects the white stock pen
};

struct DrawOp {
    OpKind kind;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    Colour colour = 0;
    std::string text;

    bool operator==(const DrawOp& other) const {
        return kind == other.kind && x == other.x && y == other.y && width == other.width &&
               height == other.height && colour == other.colour && text == other.text;
    }
};

// A list of operations. `Clear` keeps the storage, so a list reused for
// every buffer stops allocating after the first ones.
class DrawList {
   public:
    void Clear() { used_ = 0; }
    size_t size() const { return used_; }
    bool empty() const { return used_ == 0; }
    const DrawOp& operator[](size_t i) const { return ops_[i]; }
    const DrawOp* begin() const { return ops_.data(); }
    const DrawOp* end() const { return ops_.data() + used_; }

    void Fill(int x, int y, int width, int height, Colour colour);
    void Blackness(int x, int y, int width, int height);
    void Whiteness(int x, int y, int width, int height);
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void Text(int x, int y, const std::string& text);
    void TextColour(Colour colour);
    void BackColour(Colour colour);
    void OpaqueBack();
    void TransparentBack();
    void LabelFont(int height);
    void WhitePen();

   private:
    DrawOp& Next(OpKind kind);
    DrawOp& NextRect(OpKind kind, int x, int y, int width, int height);

    std::vector<DrawOp> ops_;
    size_t used_ = 0;
};

}  // namespace lomvex
