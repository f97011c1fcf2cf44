// Applies the enabling rules to the menu items, the buttons and the drop
// targets. Every change of enabled state in the program goes through here.
#pragma once

#include "shell/enabling.h"

namespace lomvex {

// The facts the rules depend on, from the engine and the settings.
EnablingFacts CurrentFacts();
void ApplyItemStates(const ItemStates& states);

// Play, Option, Open, dropping, Monitor, Info, Save and the parametric
// fields: off while a run runs, on when it has ended. Enabling moves the
// focus to the Play button when the main window is active.
void SetIdleControls(bool on);
// Stop and Pause; enabling moves the focus to the Pause button.
void SetEngineControls(bool on);
// While a save runs only Stop works: the panel's controls are disabled.
void SetSaveControls(bool saving);

}  // namespace lomvex
