// The control panel of the main window as data: its 80 child controls in
// creation order, each with its id, kind, text in the chosen language, style
// flags and pixel rectangle computed from the layout units. The Win32
// binding creates the windows from this table; nothing here knows Win32.
//
// Creation order (and table index):
//   0-2   Play, Stop, Pause push buttons (508-510)
//   3     drop target static (516), 4 channel-operation group box
//   5-8   radio buttons 511-514, 9 balance label, 10 balance scrollbar (515)
//   11-30 equalizer bars 0-19 (517-536), 31 Reset (537)
//   32-41 Easy Setting check boxes 547-555 with the blank static (552) as 38
//   42-50 parametric fields (538 + 3i + c)
//   51-70 bar labels 0-19, 71-79 field labels (row i, column c at 3i + c)
// All of them follow the layout units when they change (LayoutMainWindow).
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "base/layout_units.h"

namespace lomvex {

constexpr int kNoControlId = 0;
constexpr std::size_t kControlCount = 80;

constexpr int kRadioCount = 4;
constexpr int kPresetCount = 9;  // the nine Easy Setting check boxes
constexpr int kFieldRows = 3;
constexpr int kFieldCount = 9;  // three rows of from / to / gain

enum class ControlKind {
    PushButton,
    Static,
    GroupBox,
    RadioButton,  // checked by the program, not automatically
    HorizontalScrollBar,
    VerticalScrollBar,
    CheckBox,  // automatic
    Edit,      // right-aligned
};

// What a control is for; with `index` it names the slot of the binding's
// handle tables (bar j, radio id - 511, preset in id order, field 3i + c).
enum class ControlRole {
    Play,
    Stop,
    Pause,
    DropTarget,
    ChannelGroup,
    Radio,
    BalanceLabel,
    Balance,
    Bar,
    Reset,
    Preset,
    Blank,
    Field,
    BarLabel,
    FieldLabel,
};

enum class ControlFrame { None, Border, ClientEdge };

struct ControlRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

struct ControlDescriptor {
    ControlRole role;
    int index;  // within the role
    int id;     // kNoControlId for the controls that have none
    ControlKind kind;
    std::string text;  // English or Shift-JIS bytes
    bool visible;      // at creation
    bool disabled;
    bool tabStop;
    bool groupStart;
    ControlFrame frame;
    ControlRect rect;
};

// The Win32 window class of a kind ("BUTTON", "STATIC", "SCROLLBAR", "EDIT").
const char* ControlClassName(ControlKind kind);

// All 80 controls in creation order. `newStyleShell` gives the scrollbars a
// border and the fields a client edge instead of a border.
std::vector<ControlDescriptor> BuildControlLayout(const LayoutUnits& units, bool japanese,
                                                  bool newStyleShell);

// Top of the parametric row i (0..2) and the height of its fields.
int FieldRowTop(const LayoutUnits& units, int row);
int FieldHeight(const LayoutUnits& units, bool japanese);

}  // namespace lomvex
