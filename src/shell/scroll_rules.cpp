// Scroll arithmetic of the balance and the bars. Sums are formed in 64 bits:
// a bar position from the settings may be anywhere in the int range until
// it is first clamped.
#include "shell/scroll_rules.h"

#include <algorithm>
#include <climits>
#include <cstdio>

#include "shell/shell_texts.h"

namespace lomvex {
namespace {

int NextValue(int value, int code, int thumbPosition, int pageStep, int low, int high) {
    long long next = value;
    switch (code) {
        case kScrollLineUp:
            next -= 1;
            break;
        case kScrollLineDown:
            next += 1;
            break;
        case kScrollPageUp:
            next -= pageStep;
            break;
        case kScrollPageDown:
            next += pageStep;
            break;
        case kScrollThumbPosition:
        case kScrollThumbTrack:
            next = thumbPosition;
            break;
        default:
            break;
    }
    return static_cast<int>(std::clamp<long long>(next, low, high));
}

}  // namespace

int NextBalance(int balance, int code, int thumbPosition) {
    return NextValue(balance, code, thumbPosition, 10, kBalanceMin, kBalanceMax);
}

int NextBarPosition(int position, int code, int thumbPosition) {
    return NextValue(position, code, thumbPosition, 6, kBarPositionMin, kBarPositionMax);
}

std::string BarName(int bar) {
    char text[40];
    std::snprintf(text, sizeof text, kBarNameFormat, bar + 1);
    return text;
}

std::string BarWindowText(int bar, int position) {
    int gain = position == INT_MIN ? INT_MAX : -position;  // INT_MIN has no negation
    char text[48];
    std::snprintf(text, sizeof text, gain != 0 ? kBarGainFormat : kBarZeroGainFormat, bar + 1,
                  gain);
    return text;
}

}  // namespace lomvex
