// What the dialogs' cores hand to their Win32 procedures: texts by control
// id, to be set with SetDlgItemTextA, and the relabelling tables that give
// each labelled control its English (template) and Japanese text.
#pragma once

#include <cstddef>
#include <map>
#include <string>

namespace lomvex {

// Control id → the text the control shows after the dialog's
// initialization. Only controls whose text the initialization sets appear;
// an empty text clears the control.
using ControlTexts = std::map<int, std::string>;

// One labelled control in both languages. English is the dialog template's
// text; Japanese (Shift-JIS) replaces it when the dialog opens in Japanese
// mode.
struct DialogLabel {
    int id;
    const char* english;
    const char* japanese;
};

// The texts of `count` labels in one language.
ControlTexts LabelTexts(const DialogLabel* labels, size_t count, bool japanese);

}  // namespace lomvex
