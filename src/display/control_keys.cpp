// The controls' focus order and key rules.
#include "display/control_keys.h"

#include <algorithm>
#include <initializer_list>

#include "resources/ids.h"
#include "base/settings_values.h"

namespace lomvex {
namespace {

constexpr int kBarCountIds = IDC_BAR_LAST - IDC_BAR_FIRST + 1;

int BarId(int bar) {
    return IDC_BAR_FIRST + bar;
}

// The first enabled of the candidates, else the last one.
int FirstEnabled(const FocusFacts& facts, std::initializer_list<int> candidates, int fallback) {
    for (int id : candidates)
        if (facts.Enabled(id)) return id;
    return fallback;
}

// Where Tab goes after the panel's last control: the position bar when it
// is enabled, else round to the radio button.
int AfterPanel(const FocusFacts& f) {
    return f.positionBar ? IDC_POSITION : f.radio;
}

// The panel's last control in the current equalizer mode.
int LastOfPanel(const FocusFacts& f) {
    switch (f.fftmode) {
        case kFftModeGraphic:
            return IDC_RESET;
        case kFftModeEasy:
            return IDC_SUBSONIC;
        case kFftModeParametric:
            return FirstEnabled(f, {IDC_FIELD_LAST}, IDC_BALANCE);
        default:
            return 0;
    }
}

int FromRadio(bool backward, const FocusFacts& f) {
    if (!backward) return FirstEnabled(f, {IDM_PLAY, IDM_STOP}, IDC_BALANCE);
    return f.positionBar ? IDC_POSITION : LastOfPanel(f);
}

int FromBalance(bool backward, const FocusFacts& f) {
    if (backward) return FirstEnabled(f, {IDM_PAUSE, IDM_PLAY}, f.radio);
    switch (f.fftmode) {
        case kFftModeParametric:
            return FirstEnabled(f, {IDC_FIELD_FIRST}, f.radio);
        case kFftModeEasy:
            return IDC_SOPRANO;
        case kFftModeGraphic:
            return FirstEnabled(f, {BarId(0), BarId(2)}, BarId(4));
        default:
            return 0;
    }
}

int FromBar(int bar, bool backward, const FocusFacts& f) {
    const int stride = f.fftparam >= 12 ? 1 : 2;
    if (!backward) return bar + stride < kBarCountIds ? BarId(bar + stride) : IDC_RESET;
    if (bar < stride) return IDC_BALANCE;
    if (stride == 1) return BarId(bar - 1);
    return FirstEnabled(f, {BarId(bar - 2)}, IDC_BALANCE);
}

}  // namespace

bool FocusFacts::Enabled(int id) const {
    if (id < kFirstControlId || id > kLastControlId) return false;
    return (enabled >> (id - kFirstControlId)) & 1;
}

void FocusFacts::SetEnabled(int id, bool on) {
    if (id < kFirstControlId || id > kLastControlId) return;
    const uint64_t bit = uint64_t{1} << (id - kFirstControlId);
    enabled = on ? enabled | bit : enabled & ~bit;
}

int FocusTarget(int id, bool backward, const FocusFacts& f) {
    switch (id) {
        case IDM_PLAY:
            return backward ? f.radio : IDC_BALANCE;
        case IDM_STOP:
            return backward ? f.radio : IDM_PAUSE;
        case IDM_PAUSE:
            return backward ? IDM_STOP : IDC_BALANCE;
        case IDC_BALANCE:
            return FromBalance(backward, f);
        case IDC_RESET:
            if (!backward) return AfterPanel(f);
            return BarId(f.fftparam >= 12 ? 19 : 18);
        case IDC_POSITION:
            return backward ? LastOfPanel(f) : f.radio;
        default:
            break;
    }
    if (id >= IDC_CHANNEL_NOTHING && id <= IDC_CHANNEL_MINUS_ONE) return FromRadio(backward, f);
    if (id >= IDC_BAR_FIRST && id <= IDC_BAR_LAST) return FromBar(id - IDC_BAR_FIRST, backward, f);
    if (id >= IDC_FIELD_FIRST && id <= IDC_FIELD_LAST) {
        if (backward) return id == IDC_FIELD_FIRST ? IDC_BALANCE : id - 1;
        return id == IDC_FIELD_LAST ? AfterPanel(f) : id + 1;
    }
    if (id >= IDC_SOPRANO && id <= IDC_SUBSONIC) {
        if (backward) return id == IDC_SOPRANO ? IDC_BALANCE : id - 1;
        return id == IDC_SUBSONIC ? AfterPanel(f) : id + 1;
    }
    return 0;
}

int SteppedRadio(int id, bool down) {
    return std::clamp(down ? id + 1 : id - 1, IDC_CHANNEL_NOTHING, IDC_CHANNEL_MINUS_ONE);
}

bool IsCopyCharacter(unsigned code) {
    return code == 'C' || code == 'c' || code == 3;
}

}  // namespace lomvex
