// The control panel's windows: created from the portable control table,
// subclassed, shown per equalizer mode, scrolled and laid out.
#include "shell/win32/control_panel.h"

#include <algorithm>

#include "display/win32/balance_text.h"
#include "shell/win32/control_proc.h"
#include "shell/win32/equalizer_labels.h"
#include "base/messages.h"
#include "resources/ids.h"
#include "dsp/control_state.h"
#include "shell/equalizer_mode.h"
#include "shell/scroll_rules.h"
#include "base/program_state.h"
#include "shell/win32/main_window.h"
#include "shell/win32/position_bar.h"
#include "shell/position_bar_rules.h"

namespace lomvex {

ControlHandles controls;

namespace {

constexpr unsigned kWindows300 = 0x0300;

::WNDPROC previousProcedures[kSubclassedCount];

// The handle slot a table entry is kept in.
HWND* Slot(const ControlDescriptor& control) {
    switch (control.role) {
        case ControlRole::Play:
            return &controls.play;
        case ControlRole::Stop:
            return &controls.stop;
        case ControlRole::Pause:
            return &controls.pause;
        case ControlRole::DropTarget:
            return &controls.dropTarget;
        case ControlRole::ChannelGroup:
            return &controls.channelGroup;
        case ControlRole::Radio:
            return &controls.radios[control.index];
        case ControlRole::BalanceLabel:
            return &controls.balanceLabel;
        case ControlRole::Balance:
            return &controls.balance;
        case ControlRole::Bar:
            return &controls.bars[control.index];
        case ControlRole::Reset:
            return &controls.reset;
        case ControlRole::Preset:
            return &controls.presets[control.index];
        case ControlRole::Blank:
            return &controls.blank;
        case ControlRole::Field:
            return &controls.fields[control.index];
        case ControlRole::BarLabel:
            return &controls.barLabels[control.index];
        case ControlRole::FieldLabel:
            return &controls.fieldLabels[control.index];
    }
    return nullptr;
}

DWORD KindStyle(ControlKind kind) {
    switch (kind) {
        case ControlKind::PushButton:
            return BS_PUSHBUTTON;
        case ControlKind::Static:
            return SS_LEFT;
        case ControlKind::GroupBox:
            return BS_GROUPBOX;
        case ControlKind::RadioButton:
            return BS_RADIOBUTTON;
        case ControlKind::HorizontalScrollBar:
            return SBS_HORZ;
        case ControlKind::VerticalScrollBar:
            return SBS_VERT;
        case ControlKind::CheckBox:
            return BS_AUTOCHECKBOX;
        case ControlKind::Edit:
            return ES_RIGHT;
    }
    return 0;
}

DWORD Style(const ControlDescriptor& control) {
    DWORD style = WS_CHILD | KindStyle(control.kind);
    if (control.visible) style |= WS_VISIBLE;
    if (control.disabled) style |= WS_DISABLED;
    if (control.tabStop) style |= WS_TABSTOP;
    if (control.groupStart) style |= WS_GROUP;
    if (control.frame == ControlFrame::Border) style |= WS_BORDER;
    return style;
}

DWORD ExtendedStyle(const ControlDescriptor& control) {
    return control.frame == ControlFrame::ClientEdge ? WS_EX_CLIENTEDGE : 0;
}

// The caption of the start-up box when a checked button is missing; null
// for the controls whose creation is not checked.
const char* CheckedButtonCaption(ControlRole role) {
    switch (role) {
        case ControlRole::Play:
            return "play";
        case ControlRole::Stop:
            return "stop";
        case ControlRole::Pause:
            return "pause";
        default:
            return nullptr;
    }
}

void PlaceBehind(HWND window, HWND predecessor) {
    if (window == nullptr || predecessor == nullptr) return;
    SetWindowPos(window, predecessor, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

// Each bar label goes directly in front of its bar, so that it lies over
// the bar; each field directly behind its label.
void ArrangeSiblings() {
    for (int j = 0; j < kBarCount; ++j)
        PlaceBehind(controls.barLabels[j], j == 0 ? controls.balance : controls.bars[j - 1]);
    for (int k = 0; k < kFieldCount; ++k) PlaceBehind(controls.fields[k], controls.fieldLabels[k]);
}

int CheckedRadioIndex() {
    return std::clamp(controlState.channel.operation - IDC_CHANNEL_NOTHING, 0, kRadioCount - 1);
}

void SetInitialValues() {
    for (int r = 0; r < kRadioCount; ++r) {
        bool checked = controlState.channel.operation == IDC_CHANNEL_NOTHING + r;
        SendMessageA(controls.radios[r], BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    SetScrollRange(controls.balance, SB_CTL, kBalanceMin, kBalanceMax, FALSE);
    SetScrollPos(controls.balance, SB_CTL, controlState.channel.balance, TRUE);
    for (int j = 0; j < kBarCount; ++j) {
        SetScrollRange(controls.bars[j], SB_CTL, kBarPositionMin, kBarPositionMax, FALSE);
        SetScrollPos(controls.bars[j], SB_CTL, program.settings.eq[j], TRUE);
    }
    DragAcceptFiles(controls.dropTarget, TRUE);
    if (program.windowsVersion == kWindows300) ShowWindow(controls.dropTarget, SW_HIDE);
    SetFocus(controls.radios[CheckedRadioIndex()]);
}

void Show(HWND window, bool shown) {
    ShowWindow(window, shown ? SW_SHOW : SW_HIDE);
}

// The subclassed controls in the order of their ids 508..555.
void ForEachSubclassed(void (*action)(HWND)) {
    for (HWND button : {controls.play, controls.stop, controls.pause}) action(button);
    for (HWND radio : controls.radios) action(radio);
    action(controls.balance);
    action(controls.dropTarget);
    for (HWND bar : controls.bars) action(bar);
    action(controls.reset);
    for (HWND field : controls.fields) action(field);
    for (HWND preset : controls.presets) action(preset);
}


void RedrawBalanceValue() {
    HDC dc = GetDC(mainWindow);
    HGDIOBJ previous = SelectObject(dc, GetStockObject(OEM_FIXED_FONT));
    DrawBalanceText(dc);
    SelectObject(dc, previous);
    ReleaseDC(mainWindow, dc);
}

// Layout units from the main window's own font; unitA stays as it is.
void TakeUnitsFromMainWindowFont() {
    HDC dc = GetDC(mainWindow);
    TEXTMETRICA metrics = {};
    bool measured = GetTextMetricsA(dc, &metrics) != 0;
    ReleaseDC(mainWindow, dc);
    if (!measured || metrics.tmHeight <= 0 || metrics.tmAveCharWidth <= 0) return;
    FontMetrics font{metrics.tmHeight, metrics.tmAscent, metrics.tmAveCharWidth, metrics.tmCharSet};
    LayoutUnits units = ComputeLayoutUnits(font, program.japaneseMode);
    program.units.unitX = units.unitX;
    program.units.unitY = units.unitY;
}

}  // namespace

bool CreateControls() {
    for (const ControlDescriptor& control :
         BuildControlLayout(program.units, program.japaneseMode, program.NewStyleShell())) {
        HWND window = CreateWindowExA(
            ExtendedStyle(control), ControlClassName(control.kind), control.text.c_str(),
            Style(control), control.rect.x, control.rect.y, control.rect.width, control.rect.height,
            mainWindow, reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)), instanceHandle,
            nullptr);
        *Slot(control) = window;
        const char* caption = CheckedButtonCaption(control.role);
        if (window == nullptr && caption != nullptr) {
            ShowDiagnostic("CreateWindow failed", caption, BoxOwner::None);
            return false;
        }
    }
    ArrangeSiblings();
    SetInitialValues();
    return true;
}

void SubclassControl(HWND control) {
    if (control == nullptr) return;
    int index = GetDlgCtrlID(control) - kFirstSubclassedId;
    if (index < 0 || index >= kSubclassedCount) return;
    previousProcedures[index] = reinterpret_cast<::WNDPROC>(
        SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CONTROLPROC)));
}

void SubclassControls() {
    ForEachSubclassed(SubclassControl);
}

::WNDPROC PreviousControlProcedure(int id) {
    int index = id - kFirstSubclassedId;
    if (index < 0 || index >= kSubclassedCount) return nullptr;
    return previousProcedures[index];
}

LRESULT CALLBACK CONTROLPROC(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    return HandleControlMessage(control, message, wParam, lParam,
                                PreviousControlProcedure(GetDlgCtrlID(control)));
}

void ApplyEqualizerMode() {
    const EqualizerModeView view =
        DecideEqualizerMode(program.settings.fftmode, program.settings.fftparam);
    const int barHeight = 10 * program.units.unitY;
    for (int j = 0; j < kBarCount; ++j) {
        const BarView& bar = view.bars[j];
        if (bar.width != 0)
            SetWindowPos(controls.bars[j], nullptr, 0, 0, bar.width, barHeight,
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        if (bar.enabled) EnableWindow(controls.bars[j], *bar.enabled);
        Show(controls.bars[j], bar.shown);
        Show(controls.barLabels[j], bar.labelShown);
    }
    Show(controls.reset, view.resetShown);
    for (HWND preset : controls.presets) Show(preset, view.presetsShown);
    Show(controls.blank, view.presetsShown);
    for (int k = 0; k < kFieldCount; ++k) {
        Show(controls.fieldLabels[k], view.fieldsShown);
        Show(controls.fields[k], view.fieldsShown);
    }

    InvalidateRect(mainWindow, nullptr, TRUE);
    // Windows 3.00 also needs the equalizer controls themselves repainted.
    if (program.windowsVersion == kWindows300) {
        InvalidateRect(controls.reset, nullptr, TRUE);
        for (HWND bar : controls.bars) InvalidateRect(bar, nullptr, TRUE);
        for (int k = 0; k < 6; ++k) InvalidateRect(controls.presets[k], nullptr, TRUE);
        for (HWND field : controls.fields) InvalidateRect(field, nullptr, TRUE);
    }
}

void OnBalanceScroll(HWND scrollbar, int code, int position) {
    if (scrollbar == nullptr || scrollbar != controls.balance) return;
    controlState.channel.balance = NextBalance(controlState.channel.balance, code, position);
    SetScrollPos(scrollbar, SB_CTL, controlState.channel.balance, TRUE);
    RedrawBalanceValue();
}

void OnBarScroll(HWND bar, int code, int position) {
    if (bar == nullptr) return;
    const auto found = std::find(std::begin(controls.bars), std::end(controls.bars), bar);
    if (found == std::end(controls.bars)) return;
    const int b = static_cast<int>(found - std::begin(controls.bars));
    int& stored = program.settings.eq[b];
    stored = NextBarPosition(stored, code, position);
    SetScrollPos(bar, SB_CTL, stored, TRUE);
    ShowBandInfo(b);
    SetWindowTextA(bar, BarWindowText(b, stored).c_str());
}

void LayoutMainWindow() {
    if (program.NewStyleShell()) TakeUnitsFromMainWindowFont();
    RECT window, client;
    GetWindowRect(mainWindow, &window);
    GetClientRect(mainWindow, &client);
    const int frameWidth = (window.right - window.left) - (client.right - client.left);
    const int frameHeight = (window.bottom - window.top) - (client.bottom - client.top);
    SetWindowPos(mainWindow, nullptr, 0, 0, frameWidth + WindowClientWidth(program.units),
                 frameHeight + WindowClientHeight(program.units),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // Every control follows the units, the equalizer panels too: once the
    // units come from the window's own font, panels left at their creation
    // place would lie under the graph area. ApplyEqualizerMode then sizes
    // the bars for the mode.
    for (const ControlDescriptor& control :
         BuildControlLayout(program.units, program.japaneseMode, program.NewStyleShell())) {
        HWND handle = *Slot(control);
        if (handle == nullptr) continue;
        MoveWindow(handle, control.rect.x, control.rect.y, control.rect.width, control.rect.height,
                   TRUE);
    }
    MovePositionBar();
}

}  // namespace lomvex
