// Texts by control id.
#include "dialogs/control_texts.h"

namespace lomvex {

ControlTexts LabelTexts(const DialogLabel* labels, size_t count, bool japanese) {
    ControlTexts texts;
    for (size_t i = 0; i < count; ++i) {
        texts[labels[i].id] = japanese ? labels[i].japanese : labels[i].english;
    }
    return texts;
}

}  // namespace lomvex
