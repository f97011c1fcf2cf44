// Control texts of a dialog.
#include "dialogs/win32/dialog_texts_binding.h"

namespace lomvex {

void SetControlTexts(HWND dialog, const ControlTexts& texts) {
    for (const auto& [id, text] : texts) SetDlgItemTextA(dialog, id, text.c_str());
}

}  // namespace lomvex
