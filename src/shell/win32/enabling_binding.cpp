// Enabled states of menu items, buttons and drop targets.
#include "shell/win32/enabling_binding.h"

#include <windows.h>
#include <shellapi.h>

#include "engine/win32/engine_state.h"
#include "resources/ids.h"
#include "shell/settings.h"
#include "shell/shell_state.h"
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
    facts.engineMode = engine.mode;
    facts.hasOutputDevice = engine.hasOutputDevice;
    facts.hasInputDevice = engine.hasInputDevice;
    facts.processable = engine.processable;
    facts.parametricMode = shell.settings.fftmode == kFftModeParametric;
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
    for (int id = IDC_CHANNEL_NOTHING; id <= IDC_SUBSONIC; ++id)
        if (id != IDC_DROP_TARGET) EnableButton(id, !saving);
    EnableButtonAndItem(IDM_STOP, saving);
    if (saving) FocusIfActive(IDM_STOP);
}

}  // namespace lomvex
