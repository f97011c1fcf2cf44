// The Options dialog procedure: it reads and writes the controls; what it
// shows and stores is decided by the dialog's core.
#include "dialogs/win32/options_dialog_proc.h"

#include "base/program_state.h"
#include "base/win32/main_window_handle.h"
#include "dialogs/options_dialog.h"
#include "dialogs/win32/dialog_look.h"
#include "dialogs/win32/dialog_texts_binding.h"

namespace lomvex {
namespace {

int rateAtOpen = 0;     // the playing rate Cancel puts back
int tempoAtOpen = 100;  // the tempo Cancel puts back

bool Checked(HWND dialog, int id) {
    return IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}

// The rate text follows the "Keep tempo" box as it is checked, before OK.
void ShowRateTexts(HWND dialog) {
    RateTexts texts =
        OptionRateTexts(program.playingRate, program.japaneseMode, program.settings.useclip != 0,
                        Checked(dialog, option_ids::kKeepTempo));
    SetDlgItemTextA(dialog, option_ids::kRateText, texts.rate.c_str());
    SetDlgItemTextA(dialog, option_ids::kPitchText, texts.pitch.c_str());
}

void ShowTempoText(HWND dialog) {
    SetDlgItemTextA(dialog, option_ids::kTempoText,
                    OptionTempoText(program.settings.tempo).c_str());
}

void SetRateBar(HWND bar) {
    SetScrollRange(bar, SB_CTL, -120, 120, FALSE);
    SetScrollPos(bar, SB_CTL, program.playingRate, TRUE);
}

void SetTempoBar(HWND bar) {
    SetScrollRange(bar, SB_CTL, kTempoMin, kTempoMax, FALSE);
    SetScrollPos(bar, SB_CTL, program.settings.tempo, TRUE);
}

void SizeControl(HWND dialog, int id, const DialogRect& r) {
    SetWindowPos(GetDlgItem(dialog, id), nullptr, 0, 0, r.width, r.height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The re-layout's units are those of the dialog's own font: its average
// character width, and half its height as the main window's unitA is half
// the ascent of its font. Where the two fonts have the same size (the
// systems the sizes were made for) this is the same; where the main
// window's font is narrower, its units would cut the dialog off below the
// rate lists and put the window list over the peak-hold buttons.
void Relayout(HWND dialog) {
    RECT base = {0, 0, 4, 8};
    MapDialogRect(dialog, &base);
    const OptionsLayout layout = OptionsRelayout(base.right, base.bottom / 2, GetSystemMetrics(SM_CXVSCROLL),
                                                 GetSystemMetrics(SM_CYSIZE));
    SetWindowPos(dialog, nullptr, 0, 0, layout.dialog.width, layout.dialog.height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    SizeControl(dialog, option_ids::kLengthList, layout.lengthList);
    SizeControl(dialog, option_ids::kRateBar, layout.rateBar);
    SizeControl(dialog, option_ids::kTempoBar, layout.tempoBar);
    SizeControl(dialog, option_ids::kRateGroup, layout.rateGroup);
    SizeControl(dialog, option_ids::kLengthGroup, layout.lengthGroup);
    SizeControl(dialog, option_ids::kFftSizeList, layout.fftSizeList);
    SetWindowPos(GetDlgItem(dialog, option_ids::kWindowLabel), nullptr, layout.windowLabel.x,
                 layout.windowLabel.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(GetDlgItem(dialog, option_ids::kWindowList), nullptr, layout.windowList.x,
                 layout.windowList.y, layout.windowList.width, layout.windowList.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

// The 3D look changes a scrollbar's border, which a scrollbar takes only
// when it is created: the bar `id` is made again with the new border, in
// the same place, after its label `labelId` in the sibling order, with the
// same focus, and `set` gives it its range and position.
void RecreateScrollBar(HWND dialog, int id, int labelId, void (*set)(HWND bar)) {
    HWND old = GetDlgItem(dialog, id);
    if (old == nullptr) return;
    LONG style = GetWindowLongA(old, GWL_STYLE);
    LONG exStyle = GetWindowLongA(old, GWL_EXSTYLE);
    RECT r;
    GetWindowRect(old, &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    bool focused = GetFocus() == old;
    DestroyWindow(old);
    if (program.settings.dialog3d) {
        style &= ~WS_BORDER;
        exStyle |= WS_EX_CLIENTEDGE;
    } else {
        style |= WS_BORDER;
        exStyle &= ~WS_EX_CLIENTEDGE;
    }
    HWND bar = CreateWindowExA(
        exStyle, "scrollbar", "", style, r.left, r.top, r.right - r.left, r.bottom - r.top, dialog,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instanceHandle, nullptr);
    if (bar == nullptr) return;
    SetWindowPos(bar, GetDlgItem(dialog, labelId), 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    set(bar);
    if (focused) SetFocus(bar);
    RedrawWindow(bar, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
}

void RecreateScrollBars(HWND dialog) {
    RecreateScrollBar(dialog, option_ids::kRateBar, option_ids::kRateLabel, SetRateBar);
    RecreateScrollBar(dialog, option_ids::kTempoBar, option_ids::kTempoLabel, SetTempoBar);
}

void CheckIf(HWND dialog, int id, bool on) {
    CheckDlgButton(dialog, id, on ? BST_CHECKED : BST_UNCHECKED);
}

void FillList(HWND dialog, int id, ListItems items, int selection) {
    for (int i = 0; i < items.count; ++i)
        SendDlgItemMessageA(dialog, id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(items.texts[i]));
    SendDlgItemMessageA(dialog, id, CB_SETCURSEL, static_cast<WPARAM>(selection), 0);
}

int Selection(HWND dialog, int id) {
    return static_cast<int>(SendDlgItemMessageA(dialog, id, CB_GETCURSEL, 0, 0));
}

void ShowControls(HWND dialog) {
    const OptionControls c = OptionControlsFor(program.settings);
    const bool japanese = program.japaneseMode;
    CheckIf(dialog, option_ids::kPeakOff, c.peakOff);
    CheckIf(dialog, option_ids::kPeakDecay, c.peakDecay);
    CheckIf(dialog, option_ids::kPeakConst, c.peakConst);
    CheckIf(dialog, option_ids::kGraphic, c.graphic);
    CheckIf(dialog, option_ids::kParametric, c.parametric);
    CheckIf(dialog, option_ids::kEasy, c.easy);
    FillList(dialog, option_ids::kLengthList,
             LengthListItems(japanese, program.settings.useclip != 0), c.lengthSelection);
    FillList(dialog, option_ids::kFftSizeList, FftSizeListItems(), c.fftSizeSelection);
    FillList(dialog, option_ids::kWindowList, WindowListItems(japanese), c.windowSelection);
    CheckIf(dialog, option_ids::kSmooth, c.smooth);
    CheckIf(dialog, option_ids::kDbDisplay, c.dbDisplay);
    CheckIf(dialog, option_ids::kMonochrome, c.monochrome);
    CheckIf(dialog, option_ids::kCopyValue, c.useclip);
    CheckIf(dialog, option_ids::kLevelWarning, c.levelWarning);
    CheckIf(dialog, option_ids::kKeepTempo, c.keepTempo);
    CheckIf(dialog, option_ids::kVoiceClassic, c.voiceClassic);
    CheckIf(dialog, option_ids::kVoiceStereo, c.voiceStereo);
}

OptionControls ReadControls(HWND dialog) {
    OptionControls c;
    c.peakOff = Checked(dialog, option_ids::kPeakOff);
    c.peakDecay = Checked(dialog, option_ids::kPeakDecay);
    c.peakConst = Checked(dialog, option_ids::kPeakConst);
    c.graphic = Checked(dialog, option_ids::kGraphic);
    c.parametric = Checked(dialog, option_ids::kParametric);
    c.easy = Checked(dialog, option_ids::kEasy);
    c.lengthSelection = Selection(dialog, option_ids::kLengthList);
    c.fftSizeSelection = Selection(dialog, option_ids::kFftSizeList);
    c.windowSelection = Selection(dialog, option_ids::kWindowList);
    c.smooth = Checked(dialog, option_ids::kSmooth);
    c.dbDisplay = Checked(dialog, option_ids::kDbDisplay);
    c.monochrome = Checked(dialog, option_ids::kMonochrome);
    c.useclip = Checked(dialog, option_ids::kCopyValue);
    c.levelWarning = Checked(dialog, option_ids::kLevelWarning);
    c.keepTempo = Checked(dialog, option_ids::kKeepTempo);
    c.voiceClassic = Checked(dialog, option_ids::kVoiceClassic);
    c.voiceStereo = Checked(dialog, option_ids::kVoiceStereo);
    return c;
}

BOOL OnInit(HWND dialog) {
    if (program.NewStyleShell()) Relayout(dialog);
    InitDialog3dLook(dialog, RecreateScrollBars);
    if (program.japaneseMode) {
        SetWindowTextA(dialog, OptionCaption(true));
        SetControlTexts(dialog, LabelTexts(kOptionLabels, kOptionLabelCount, true));
    }
    rateAtOpen = program.playingRate;
    tempoAtOpen = program.settings.tempo;
    SetRateBar(GetDlgItem(dialog, option_ids::kRateBar));
    SetTempoBar(GetDlgItem(dialog, option_ids::kTempoBar));
    ShowControls(dialog);
    ShowRateTexts(dialog);
    ShowTempoText(dialog);
    return TRUE;
}

void RedrawAfterScroll(HWND bar, int code) {
    if (RedrawsScrollBar(code, program.windowsVersion))
        RedrawWindow(bar, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
}

void OnRateScroll(HWND dialog, HWND bar, int code, int thumb) {
    program.playingRate = ScrollRateValue(program.playingRate, code, thumb);
    SetScrollPos(bar, SB_CTL, program.playingRate, TRUE);
    RedrawAfterScroll(bar, code);
    ShowRateTexts(dialog);
}

// The engine reads the tempo at every buffer, so a playing song follows
// the bar at once.
void OnTempoScroll(HWND dialog, HWND bar, int code, int thumb) {
    program.settings.tempo = ScrollTempoValue(program.settings.tempo, code, thumb);
    SetScrollPos(bar, SB_CTL, program.settings.tempo, TRUE);
    RedrawAfterScroll(bar, code);
    ShowTempoText(dialog);
}

void OnScroll(HWND dialog, HWND bar, WPARAM wParam) {
    const int code = LOWORD(wParam);
    const int thumb = static_cast<short>(HIWORD(wParam));
    switch (GetDlgCtrlID(bar)) {
        case option_ids::kRateBar:
            OnRateScroll(dialog, bar, code, thumb);
            break;
        case option_ids::kTempoBar:
            OnTempoScroll(dialog, bar, code, thumb);
            break;
        default:
            break;
    }
}

}  // namespace

bool RunOptionsDialog() {
    return DialogBoxParamA(instanceHandle, "OPTION", mainWindow, OPTION, 0) == 1;
}

INT_PTR CALLBACK OPTION(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            return OnInit(dialog);
        case WM_HSCROLL:
            OnScroll(dialog, reinterpret_cast<HWND>(lParam), wParam);
            return TRUE;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK) {
                program.settings = ApplyOptionControls(program.settings, ReadControls(dialog));
                EndDialog(dialog, 1);
            } else if (LOWORD(wParam) == IDCANCEL) {
                program.playingRate = rateAtOpen;
                program.settings.tempo = tempoAtOpen;
                EndDialog(dialog, 0);
            } else if (LOWORD(wParam) == option_ids::kKeepTempo) {
                ShowRateTexts(dialog);
            }
            return TRUE;
        case WM_SYSCOMMAND:
            if (wParam == kDialog3dCommand) {
                ToggleDialog3dLook(dialog, RecreateScrollBars);
                return TRUE;
            }
            return FALSE;
        case WM_WININICHANGE:
            if (program.NewStyleShell()) Relayout(dialog);
            return TRUE;
        default:
            return FALSE;
    }
}

}  // namespace lomvex
