// Position bar rules.
#include "shell/position_bar_rules.h"

#include "base/run_state.h"
#include "engine/play_position.h"
#include "shell/scroll_rules.h"

namespace lomvex {

int NextPlayPosition(int now, int code, int thumbPosition, int length) {
    switch (code) {
        case kScrollLineUp:
            return MovedPosition(now, -kPositionLineTenths, length);
        case kScrollLineDown:
            return MovedPosition(now, kPositionLineTenths, length);
        case kScrollPageUp:
            return MovedPosition(now, -kPositionPageTenths, length);
        case kScrollPageDown:
            return MovedPosition(now, kPositionPageTenths, length);
        case kScrollThumbPosition:
        case kScrollThumbTrack:
            return MovedPosition(thumbPosition, 0, length);
        default:
            return MovedPosition(now, 0, length);
    }
}

bool ScrollMovesPosition(int code) {
    return code >= kScrollLineUp && code <= kScrollThumbPosition;
}

bool PositionBarEnabled(int engineMode, bool saving, int songTenths) {
    return engineMode == kEnginePlay && !saving && songTenths > 0;
}

ControlRect PositionBarRect(const LayoutUnits& units) {
    return {units.unitX, ClientHeight(units) + units.unitY / 2,
            WindowClientWidth(units) - 2 * units.unitX, 2 * units.unitY};
}

int WindowClientHeight(const LayoutUnits& units) {
    return ClientHeight(units) + 7 * units.unitY / 2;
}

}  // namespace lomvex
