// Enabled states of menu items, buttons and drop targets.
#include "shell/win32/enabling_binding.h"

#include <windows.h>
#include <shellapi.h>

#include "base/run_state.h"
#include "resources/ids.h"
#include "base/program_state.h"
#include "shell/win32/main_window.h"

namespace lomvex {
namespace {

void EnableItem(int id, bool on) {
    EnableMenuItem(GetMenu(mainWindow), id, MF_BYCOMMAND | (on ? MF_ENABLED : MF_GRAYED));
}

void EnableButton(int id, bool on) {
    HWND button = GetDlgItem(mainWindow, id);
    if (button) EnableWindow(button, on);
}

void EnableButtonAndItem(int id, bool on) {
    EnableButton(id, on);
    EnableItem(id, on);
}

void AcceptDrops(bool on) {
    DragAcceptFiles(mainWindow, on);
    HWND target = GetDlgItem(mainWindow, IDC_DROP_TARGET);
    if (target) DragAcceptFiles(target, on);
}

void FocusIfActive(int id) {
    HWND control = GetDlgItem(mainWindow, id);
    if (control && GetActiveWindow() == mainWindow) SetFocus(control);
}

}  // namespace

EnablingFacts CurrentFacts() {
    EnablingFacts facts;
    facts.engineMode = run.mode;
    facts.hasOutputDevice = run.hasOutputDevice;
    facts.hasInputDevice = run.hasInputDevice;
    facts.processable = run.processable;
    facts.parametricMode = program.settings.fftmode == kFftModeParametric;
    return facts;
}

void ApplyItemStates(const ItemStates& s) {
    if (s.play) EnableButtonAndItem(IDM_PLAY, *s.play);
    if (s.stop) EnableButtonAndItem(IDM_STOP, *s.stop);
    if (s.pause) EnableButtonAndItem(IDM_PAUSE, *s.pause);
    if (s.open) {
        EnableItem(IDM_OPEN, *s.open);
        AcceptDrops(*s.open);
    }
    if (s.monitor) EnableItem(IDM_MONITOR, *s.monitor);
    if (s.save) EnableItem(IDM_SAVE, *s.save);
    if (s.info) EnableItem(IDM_INFO, *s.info);
    if (s.option) EnableItem(IDM_OPTION, *s.option);
    if (s.parametricFields)
        for (int id = IDC_FIELD_FIRST; id <= IDC_FIELD_LAST; ++id) EnableButton(id, *s.parametricFields);
}

void SetIdleControls(bool on) {
    ApplyItemStates(IdleItems(on, CurrentFacts()));
    if (on) FocusIfActive(IDM_PLAY);
}

void SetEngineControls(bool on) {
    ApplyItemStates(EngineItems(on));
    if (on) FocusIfActive(IDM_PAUSE);
}

void SetSaveControls(bool saving) {
    // The panel's controls as they were before the save: only those that
    // were enabled then are enabled again (bars the transform size leaves
    // unused stay disabled).
    static bool wasEnabled[IDC_SUBSONIC - IDC_CHANNEL_NOTHING + 1];
    for (int id = IDC_CHANNEL_NOTHING; id <= IDC_SUBSONIC; ++id) {
        HWND control = GetDlgItem(mainWindow, id);
        if (control == nullptr || id == IDC_DROP_TARGET) continue;
        bool& was = wasEnabled[id - IDC_CHANNEL_NOTHING];
        if (saving) {
            was = IsWindowEnabled(control) != FALSE;
            EnableWindow(control, FALSE);
        } else if (was) {
            EnableWindow(control, TRUE);
        }
    }
    EnableButtonAndItem(IDM_STOP, saving);
    if (saving) FocusIfActive(IDM_STOP);
}

}  // namespace lomvex
