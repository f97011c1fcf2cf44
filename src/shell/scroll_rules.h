// How the balance scrollbar and the equalizer bars answer a scroll: the new
// value for a scroll code and thumb position, clamped to the control's
// range, and the window texts of the bars.
#pragma once

#include <string>

#include "base/settings_values.h"

namespace lomvex {

// Scroll codes as Win32 numbers them (SB_LINEUP / SB_LINELEFT = 0, ...).
enum ScrollCode : int {
    kScrollLineUp = 0,
    kScrollLineDown = 1,
    kScrollPageUp = 2,
    kScrollPageDown = 3,
    kScrollThumbPosition = 4,
    kScrollThumbTrack = 5,
};

constexpr int kBalanceMin = -128;
constexpr int kBalanceMax = 128;

// Line steps of 1, page steps of 10, the thumb's position for the two
// thumb codes; other codes keep the value. Always clamped to -128..128.
int NextBalance(int balance, int code, int thumbPosition);

// Line steps of 1, page steps of 6, the thumb's position for the two thumb
// codes; other codes keep the value. Always clamped to -12..72, so a
// position read from the settings out of range is pulled in at the first
// scroll message of any kind.
int NextBarPosition(int position, int code, int thumbPosition);

// "グライコバー n" with n = bar + 1: a bar's window text at creation.
std::string BarName(int bar);

// "グライコバー n +g db " with the gain g = -position (sign, width 3), or
// "グライコバー n   0db " for gain 0: a bar's window text after a scroll.
// Shift-JIS in both languages.
std::string BarWindowText(int bar, int position);

}  // namespace lomvex
