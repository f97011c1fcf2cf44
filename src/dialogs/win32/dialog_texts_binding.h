// Sets a dialog's controls from the texts its core worked out.
#pragma once

#include <windows.h>

#include "dialogs/control_texts.h"

namespace lomvex {

void SetControlTexts(HWND dialog, const ControlTexts& texts);

}  // namespace lomvex
