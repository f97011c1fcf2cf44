// Which commands and controls are enabled in each state of the program.
// Every change of enabled state goes through these rules; the binding only
// applies the result to menu items, buttons and drop targets.
#pragma once

#include <optional>

namespace lomvex {

// An item left empty keeps its current state.
struct ItemStates {
    std::optional<bool> play;     // Play button and item 508
    std::optional<bool> stop;     // Stop button and item 509
    std::optional<bool> pause;    // Pause button and item 510
    std::optional<bool> open;     // item 102 and dropping files
    std::optional<bool> monitor;  // item 101
    std::optional<bool> save;     // item 150
    std::optional<bool> info;     // item 103
    std::optional<bool> option;   // item 107
    std::optional<bool> parametricFields;  // the nine band fields
};

struct EnablingFacts {
    int engineMode = 0;  // 0 nothing open, 1 play, 2 monitor
    bool hasOutputDevice = true;
    bool hasInputDevice = true;
    bool processable = true;  // the open file is PCM or being decoded
    bool parametricMode = false;
};

// Start-up, nothing open.
ItemStates StartItems(const EnablingFacts& facts);
// A file opened for playing, or the record port opened for monitoring.
ItemStates OpenedItems(const EnablingFacts& facts);
// The idle controls: off while a run runs, on when it has ended.
ItemStates IdleItems(bool on, const EnablingFacts& facts);
// The run controls (Stop and Pause).
ItemStates EngineItems(bool on);

}  // namespace lomvex
