// The texts the dialogs share: the English ones here, the Japanese ones
// (Shift-JIS bytes) in dialog_texts_ja.cpp.
#pragma once

namespace lomvex {

// The 3D-look item of every dialog's system menu.
constexpr char kThreeDimension[] = "&Three dimension";

namespace ja {

extern const char kThreeDimension[];

}  // namespace ja
}  // namespace lomvex
