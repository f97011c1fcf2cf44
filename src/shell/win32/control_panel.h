// The control panel of the main window: its 80 child controls, their
// subclassing with CONTROLPROC, the equalizer panel of the current mode, the
// balance and bar scroll handlers and the layout that follows the units.
//
// Everything here works on `mainWindow` (shell/win32/main_window.h) and
// reads `shell` (units, language, windows version, settings) and
// `controlState`.
#pragma once

// shellapi.h needs windows.h first.
// clang-format off
#include <windows.h>
#include <shellapi.h>
// clang-format on

#include "shell/control_layout.h"
#include "shell/settings.h"

namespace lomvex {

// The control handles, in tables by index: radios by id - 511, bars and bar
// labels by bar 0..19, presets in id order 547..555, fields and field labels
// by 3·row + column.
struct ControlHandles {
    HWND play = nullptr;
    HWND stop = nullptr;
    HWND pause = nullptr;
    HWND dropTarget = nullptr;
    HWND channelGroup = nullptr;
    HWND radios[kRadioCount] = {};
    HWND balanceLabel = nullptr;
    HWND balance = nullptr;
    HWND bars[kBarCount] = {};
    HWND reset = nullptr;
    HWND presets[kPresetCount] = {};
    HWND blank = nullptr;
    HWND fields[kFieldCount] = {};
    HWND barLabels[kBarCount] = {};
    HWND fieldLabels[kFieldCount] = {};
};

extern ControlHandles controls;

// The subclassed controls are 508..555 and the position bar, 556; their
// previous window procedures are kept at id - 508.
constexpr int kFirstSubclassedId = 508;
constexpr int kSubclassedCount = 49;

// Creates the 80 controls as children of `mainWindow`, in table order, then
// sets the sibling order of the labels, the radio check marks (the radio of
// the channel operation), the balance range -128..128 at 0, each bar's range
// -12..72 at its position from the settings, lets the drop target take
// dropped files (hidden on Windows 3.00) and gives the focus to the checked
// radio. If Play, Stop or Pause cannot be created, shows "CreateWindow
// failed" with the caption "play", "stop" or "pause" and returns false;
// other failures are not detected.
bool CreateControls();

// Replaces the window procedure of the 48 controls 508..555 with CONTROLPROC,
// keeping the previous ones. Call once, after CreateControls.
void SubclassControls();
// The same for one control made later (the position bar).
void SubclassControl(HWND control);

// The previous window procedure of control `id`, or null.
::WNDPROC PreviousControlProcedure(int id);

// The window procedure of the subclassed controls: files dropped on a
// control go to OnDropFiles; everything else to the control's own procedure.
LRESULT CALLBACK CONTROLPROC(HWND control, UINT message, WPARAM wParam, LPARAM lParam);

// Shows the equalizer panel of `fftmode` (bars, fields or check boxes) for
// the transform size `fftparam`, then repaints the main window.
void ApplyEqualizerMode();

// WM_HSCROLL of the balance scrollbar: steps or sets the balance, clamps it,
// moves the thumb and redraws the value at once.
void OnBalanceScroll(HWND scrollbar, int code, int position);

// WM_VSCROLL of an equalizer bar: steps or sets its position (the negated
// gain), clamps it, stores it in the settings, moves the thumb and sets the
// bar's window text. Scrollbars that are not bars are ignored.
void OnBarScroll(HWND bar, int code, int position);

// Recomputes the layout units from the main window's own font on a
// new-style shell, resizes the main window and moves every control to the
// place the units give it.
void LayoutMainWindow();

// Defined with the commands: the first dropped file is opened.
void OnDropFiles(HDROP drop);

}  // namespace lomvex
