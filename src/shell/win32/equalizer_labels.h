// The equalizer panel's texts on the main window: the bar labels, the info
// panel of the bar being moved or focused, the Reset button's command and
// the clipboard copies of the controls' values.
#pragma once

#include <string>

namespace lomvex {

// Sets each of the twenty bar labels to its band's centre frequency and, in
// the graphic mode, repaints the bars.
void RefreshBarLabels();
// Draws the info panel of bar `bar` (0 .. 19): its band and gain.
void ShowBandInfo(int bar);
// The Reset button: every bar back to 0 dB.
void ResetBars();

// The spelled-out description of bar `index` (0 .. 19) or of the balance
// (`index` -1), for the clipboard.
std::string BuildClipboardText(int index);
// Puts `text` on the clipboard; a failed allocation drops the copy.
void CopyTextToClipboard(const std::string& text);

}  // namespace lomvex
