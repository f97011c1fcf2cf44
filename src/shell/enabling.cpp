// The enabling rules of the commands.
#include "shell/enabling.h"

namespace lomvex {

ItemStates StartItems(const EnablingFacts& facts) {
    ItemStates s;
    s.play = s.stop = s.pause = s.save = s.info = false;
    s.open = facts.hasOutputDevice;
    s.monitor = facts.hasInputDevice;
    s.option = true;
    return s;
}

ItemStates OpenedItems(const EnablingFacts& facts) {
    ItemStates s;
    s.play = true;
    s.stop = s.pause = false;
    s.open = s.option = true;
    s.save = facts.engineMode == 1 && facts.processable;
    s.info = facts.engineMode == 1;
    return s;
}

ItemStates IdleItems(bool on, const EnablingFacts& facts) {
    ItemStates s;
    s.play = s.option = s.open = on;
    s.monitor = on && facts.hasInputDevice;
    if (facts.engineMode == 1) {
        s.info = on;
        s.save = on && facts.processable;
    } else if (!facts.processable) {
        s.save = false;
    }
    if (facts.parametricMode) s.parametricFields = on;
    return s;
}

ItemStates EngineItems(bool on) {
    ItemStates s;
    s.stop = s.pause = on;
    return s;
}

}  // namespace lomvex
