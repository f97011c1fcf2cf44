// Japanese texts of the dialogs, written in UTF-8 here and compiled to
// Shift-JIS bytes.
#include "dialogs/dialog_texts.h"

namespace lomvex::ja {

const char kThreeDimension[] = "３Ｄ表示(\x1eT\x1fｻ)";

}  // namespace lomvex::ja
