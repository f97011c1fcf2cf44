// The Options dialog ("OPTION", procedure OPTION) without the platform:
// its control ids, labels in both languages, the rate and tempo scrollbars'
// step rules and texts, the three lists (items and position ↔ value), the control
// states a set of settings opens with, the settings OK takes from the
// controls, and the re-layout of a new-style shell.
//
// The Win32 procedure reads and writes the controls; everything it decides
// comes from here.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "base/settings_values.h"
#include "dialogs/control_texts.h"
#include "resources/ids.h"

namespace lomvex {

// Control ids of the dialog template.
namespace option_ids {
constexpr int kOk = 1;
constexpr int kCancel = 2;
constexpr int kLengthList = IDC_OPTION_LENGTH_LIST;   // one-time length (`deltatime`)
constexpr int kRateGroup = IDC_OPTION_RATE_GROUP;    // group box round the rate
constexpr int kLengthGroup = IDC_OPTION_LENGTH_GROUP;  // group box round length and peak hold
constexpr int kPeakOff = IDC_OPTION_PEAK_OFF;      // radio buttons of `PeakHold` 0, 1, 2
constexpr int kPeakDecay = IDC_OPTION_PEAK_DECAY;
constexpr int kPeakConst = IDC_OPTION_PEAK_CONST;
constexpr int kLengthLabel = IDC_OPTION_LENGTH_LABEL;
constexpr int kDbDisplay = IDC_OPTION_DB_DISPLAY;  // check box `display`
constexpr int kRateLabel = IDC_OPTION_RATE_LABEL;
constexpr int kRateBar = IDC_OPTION_RATE_BAR;  // horizontal scrollbar, -120 .. 120
constexpr int kRateText = IDC_OPTION_RATE_TEXT;
constexpr int kPitchLabel = IDC_OPTION_PITCH_LABEL;
constexpr int kPitchText = IDC_OPTION_PITCH_TEXT;   // right-aligned
constexpr int kMonochrome = IDC_OPTION_MONOCHROME;  // check box `monochrome`
constexpr int kSmooth = IDC_OPTION_SMOOTH;      // check box `smooth`
constexpr int kTempoLabel = IDC_OPTION_TEMPO_LABEL;
constexpr int kTempoBar = IDC_OPTION_TEMPO_BAR;  // horizontal scrollbar of `tempo`, 50 .. 200
constexpr int kTempoText = IDC_OPTION_TEMPO_TEXT;
constexpr int kFftSizeLabel = IDC_OPTION_FFT_SIZE_LABEL;
constexpr int kFftSizeList = IDC_OPTION_FFT_SIZE_LIST;  // frequency count (`fftparam`)
constexpr int kWindowLabel = IDC_OPTION_WINDOW_LABEL;
constexpr int kWindowList = IDC_OPTION_WINDOW_LIST;  // window function (`mado`)
constexpr int kModeGroup = IDC_OPTION_MODE_GROUP;
constexpr int kGraphic = IDC_OPTION_GRAPHIC;  // radio buttons of `fftmode`: the value is the id
constexpr int kParametric = IDC_OPTION_PARAMETRIC;
constexpr int kEasy = IDC_OPTION_EASY;
constexpr int kCopyValue = IDC_OPTION_COPY_VALUE;     // check box `useclip`
constexpr int kLevelWarning = IDC_OPTION_LEVEL_WARNING;  // check box `levelwarning`
constexpr int kKeepTempo = IDC_OPTION_KEEP_TEMPO;        // check box `keeptempo`
constexpr int kVoiceGroup = IDC_OPTION_VOICE_GROUP;      // group box round the voice removal
constexpr int kVoiceClassic = IDC_OPTION_VOICE_CLASSIC;  // radio buttons of `voicecut` 0, 1
constexpr int kVoiceStereo = IDC_OPTION_VOICE_STEREO;
constexpr int kPeakLabel = IDC_OPTION_PEAK_LABEL;
}  // namespace option_ids

// The labelled controls with their English (template) and Japanese texts.
// In Japanese mode the dialog sets every one of them, and the caption, when
// it opens.
constexpr size_t kOptionLabelCount = 25;
extern const DialogLabel kOptionLabels[kOptionLabelCount];
const char* OptionCaption(bool japanese);  // "Option" / "オプション設定"

// ---- Rate and tempo scrollbars -----------------------------------------------

// The scroll codes of WM_HSCROLL (the platform's SB_LINELEFT .. SB_THUMBTRACK);
// any other code (SB_ENDSCROLL 8, ...) keeps the value.
constexpr int kScrollLineLeft = 0;
constexpr int kScrollLineRight = 1;
constexpr int kScrollPageLeft = 2;
constexpr int kScrollPageRight = 3;
constexpr int kScrollThumbPosition = 4;
constexpr int kScrollThumbTrack = 5;

// The rate value after one WM_HSCROLL: -1/+1 for a line, -10/+10 for a page,
// `thumb` for the two thumb codes, `v` unchanged for any other code; always
// clamped to -120 .. 120. `thumb` is the position the message carries, as a
// signed value (the Win32 side passes (short)HIWORD(wParam)).
int ScrollRateValue(int v, int code, int thumb);
// The tempo after one WM_HSCROLL of its bar: the same steps, clamped to
// kTempoMin .. kTempoMax.
int ScrollTempoValue(int tempo, int code, int thumb);

// Whether the scrollbar's frame and contents are redrawn after a scroll:
// for every code but kScrollThumbPosition, from Windows 3.10 (0x030A) on.

bool RedrawsScrollBar(int code, unsigned windowsVersion);

// The texts of controls 127 and 129 for rate value v: "%.1f%%" of
// 100·2^(v/120), or "100.0%" with "Keep tempo" checked, and the pitch v/10
// semitones ("%+5.1f"; Japanese with "半音"; Japanese with `useclip`
// spelled "%c%1d点%1d半音").
struct RateTexts {
    std::string rate;
    std::string pitch;
};
RateTexts OptionRateTexts(int v, bool japanese, bool useclip, bool keepTempo);

// The text of control 134 for a tempo in percent: "75%" (both languages).
std::string OptionTempoText(int tempo);

// ---- Lists -------------------------------------------------------------------

// A list's selection when its value is not among the list's values: the
// platform's "no selection" (LB_ERR / CB_ERR).
constexpr int kNoSelection = -1;

// Items in the order they are added; `texts` stays valid for the whole run.
struct ListItems {
    const char* const* texts;
    int count;
};

// List 117: "3 sec  " … "1/43sec"; Japanese "３秒" … "1/43秒", with
// `useclip` the spelled fractions "3分の1秒" ….
ListItems LengthListItems(bool japanese, bool useclip);
// List 146: "  128" … "32768" in both languages.
ListItems FftSizeListItems();
// List 148: "Hann", "taper", "Rect"; Japanese "ﾊﾆﾝｸﾞ", "ﾃｰﾊﾟｰ", "方形".
ListItems WindowListItems(bool japanese);

// `deltatime` ↔ list 117: positions 0..7 are 32768, 16384, …, 256.
int LengthPosition(uint32_t deltatime);  // kNoSelection for any other value
uint32_t LengthAt(int position);         // 0 for a position outside 0..7
// `fftparam` ↔ list 146: position p is fftparam p + 8 (8..16).
int FftSizePosition(int fftparam);  // kNoSelection outside 8..16
// `mado` ↔ list 148: position = value (0 Hann, 1 taper, 2 Rect).
int WindowPosition(int mado);  // kNoSelection outside 0..2

// ---- Opening and OK ----------------------------------------------------------

// The states of the dialog's controls that stand for settings: what the
// dialog opens with, and what OK reads back. List selections are positions
// or kNoSelection.
struct OptionControls {
    bool peakOff = false;  // radio buttons 120, 121, 122
    bool peakDecay = false;
    bool peakConst = false;
    bool graphic = false;  // radio buttons 152, 153, 154
    bool parametric = false;
    bool easy = false;
    int lengthSelection = kNoSelection;   // list 117
    int fftSizeSelection = kNoSelection;  // list 146
    int windowSelection = kNoSelection;   // list 148
    bool smooth = false;                  // check boxes 131, 124, 130, 155, 156, 157
    bool dbDisplay = false;
    bool monochrome = false;
    bool useclip = false;
    bool levelWarning = false;
    bool keepTempo = false;
    bool voiceClassic = false;  // radio buttons 159, 160
    bool voiceStereo = false;
};

// The control states for `settings` at WM_INITDIALOG. A `PeakHold` or
// `fftmode` outside its three values checks no radio button; a list value
// outside its list selects nothing.
OptionControls OptionControlsFor(const Settings& settings);

// The settings after OK, from `current` and the controls. `PeakHold` is 1
// when 121 is checked, else 2 when 122 is, else 0; `fftmode` is the first
// checked of 152..154 (none: kept); `voicecut` is 1 when 160 is checked,
// else 0 when 159 is (none: kept); each list without a selection keeps
// its setting, so a value the dialog could not show survives OK unchanged;
// check boxes give 1 or 0. Settings the dialog does not edit are kept.
Settings ApplyOptionControls(const Settings& current, const OptionControls& controls);

// ---- Re-layout on a new-style shell -----------------------------------------

struct DialogRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// Sizes (and, where the control moves, positions) in pixels for the
// re-layout at WM_INITDIALOG and WM_WININICHANGE. Only the fields named in
// each comment change; the rest of the control keeps its place.
struct OptionsLayout {
    DialogRect dialog;       // size only
    DialogRect lengthList;   // 117, size only
    DialogRect rateBar;      // 126, size only
    DialogRect tempoBar;     // 133, size only
    DialogRect rateGroup;    // 118, size only
    DialogRect lengthGroup;  // 119, size only
    DialogRect fftSizeList;  // 146, size only
    DialogRect windowLabel;  // 147, position only
    DialogRect windowList;   // 148, position and size
};

// From the layout units `unitX` and `unitA`, the system's vertical
// scrollbar width and its caption-button height. With s = max(scrollbar
// width, 2·unitX + 1); every division by 4 truncates.
OptionsLayout OptionsRelayout(int unitX, int unitA, int scrollBarWidth, int captionButtonHeight);

}  // namespace lomvex
