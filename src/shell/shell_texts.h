// The Japanese texts of the control panel, the menu and the file dialogs
// (Shift-JIS bytes, kept in shell_texts_ja.cpp), and the few texts that are
// Shift-JIS in both languages: the window texts of the balance scrollbar and
// of the equalizer bars.
#pragma once

namespace lomvex {

// Window texts the same in both languages.
extern const char kBalanceBarWindowText[];  // "バランス"
extern const char kPositionBarWindowText[];  // "位置"
extern const char kBarNameFormat[];         // bar number
extern const char kBarGainFormat[];         // bar number, signed gain in dB
extern const char kBarZeroGainFormat[];     // bar number, gain 0

// A Japanese menu label: a top-level popup by position or an item by
// command id, in the new-style shell's full-width form and in the older
// shells' half-width form with the 0x1E/0x1F mnemonic mark.
struct MenuLabel {
    int positionOrId;
    const char* newStyle;
    const char* olderShell;
};

namespace ja {

// Control texts.
extern const char kPlay[];
extern const char kStop[];
extern const char kChannelGroup[];
extern const char kNothing[];
extern const char kBalanceAdjust[];
extern const char kMonaural[];
extern const char kMinusOne[];
extern const char kBalanceLabel[];
extern const char kEqualizerLabel[];
extern const char kSoprano[];
extern const char kMezzosoprano[];
extern const char kAltoTenor[];
extern const char kBaritone[];
extern const char kBass[];
extern const char kOctaveCut[];
extern const char kHighBoost[];
extern const char kLowBoost[];
extern const char kSubsonic[];

// File dialogs: titles and the double-NUL-terminated Open filters, indexed
// by (MPEG Layer-3 playable ? 2 : 0) + (Ogg Vorbis playable ? 1 : 0).
extern const char kOpenTitle[];
extern const char kSaveTitle[];
extern const char* const kOpenFilters[4];

// Menu labels: the four popups, then the items.
constexpr int kMenuPopupCount = 4;
constexpr int kMenuItemCount = 18;
extern const MenuLabel kMenuPopups[kMenuPopupCount];
extern const MenuLabel kMenuItems[kMenuItemCount];

}  // namespace ja
}  // namespace lomvex
