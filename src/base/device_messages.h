// The messages for a wave output device that cannot be opened (or that
// refuses a format when asked).
#pragma once

namespace lomvex {

// Shows the message for the multimedia result of a failed output open.
// `japaneseAllocated` is the Japanese text for a device in use, which
// differs between the format check and the start of playback.
void ShowOutputOpenMessage(unsigned result, const char* japaneseAllocated);

// Shows the message for the multimedia result of a refused input format
// query (owned by the main window, exclamation icon).
void ShowInputQueryMessage(unsigned result);

}  // namespace lomvex
