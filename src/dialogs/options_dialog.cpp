// The Options dialog's rules: labels, rate and tempo scrollbars, lists, OK.
#include "dialogs/options_dialog.h"

#include <algorithm>
#include <iterator>

#include "dialogs/dialog_texts.h"
#include "dsp/rate_model.h"

namespace lomvex {
namespace {

constexpr int kLineStep = 1;
constexpr int kPageStep = 10;
constexpr unsigned kWindows310 = 0x030A;

// List 117's values, one per position: 32768 down to 256 one-time units.
constexpr uint32_t kLengthValues[8] = {32768, 16384, 8192, 4096, 2048, 1024, 512, 256};
constexpr int kFirstFftParam = 8;
constexpr int kLastFftParam = 16;
constexpr int kWindowCount = 3;

// A scrollbar value after one WM_HSCROLL, before its bar's clamp.
int ScrolledValue(int v, int code, int thumb) {
    switch (code) {
        case kScrollLineLeft:
            return v - kLineStep;
        case kScrollLineRight:
            return v + kLineStep;
        case kScrollPageLeft:
            return v - kPageStep;
        case kScrollPageRight:
            return v + kPageStep;
        case kScrollThumbPosition:
        case kScrollThumbTrack:
            return thumb;
        default:
            return v;
    }
}

}  // namespace

const DialogLabel kOptionLabels[kOptionLabelCount] = {
    {option_ids::kRateLabel, kOptionRateLabel, ja::kOptionRateLabel},
    {option_ids::kPitchLabel, kOptionPitchLabel, ja::kOptionPitchLabel},
    {option_ids::kTempoLabel, kOptionTempoLabel, ja::kOptionTempoLabel},
    {option_ids::kLengthLabel, kOptionLengthLabel, ja::kOptionLengthLabel},
    {option_ids::kPeakLabel, kOptionPeakLabel, ja::kOptionPeakLabel},
    {option_ids::kPeakOff, kOptionPeakOff, ja::kOptionPeakOff},
    {option_ids::kPeakDecay, kOptionPeakDecay, ja::kOptionPeakDecay},
    {option_ids::kPeakConst, kOptionPeakConst, ja::kOptionPeakConst},
    {option_ids::kSmooth, kOptionSmooth, ja::kOptionSmooth},
    {option_ids::kDbDisplay, kOptionDbDisplay, ja::kOptionDbDisplay},
    {option_ids::kMonochrome, kOptionMonochrome, ja::kOptionMonochrome},
    {option_ids::kFftSizeLabel, kOptionFftSizeLabel, ja::kOptionFftSizeLabel},
    {option_ids::kWindowLabel, kOptionWindowLabel, ja::kOptionWindowLabel},
    {option_ids::kModeGroup, kOptionModeGroup, ja::kOptionModeGroup},
    {option_ids::kGraphic, kOptionGraphic, ja::kOptionGraphic},
    {option_ids::kParametric, kOptionParametric, ja::kOptionParametric},
    {option_ids::kEasy, kOptionEasy, ja::kOptionEasy},
    {option_ids::kCopyValue, kOptionCopyValue, ja::kOptionCopyValue},
    {option_ids::kLevelWarning, kOptionLevelWarning, ja::kOptionLevelWarning},
    {option_ids::kKeepTempo, kOptionKeepTempo, ja::kOptionKeepTempo},
    {option_ids::kVoiceGroup, kOptionVoiceGroup, ja::kOptionVoiceGroup},
    {option_ids::kVoiceClassic, kOptionVoiceClassic, ja::kOptionVoiceClassic},
    {option_ids::kVoiceStereo, kOptionVoiceStereo, ja::kOptionVoiceStereo},
    {option_ids::kOk, kOk, kOk},
    {option_ids::kCancel, kCancel, ja::kCancel},
};

const char* OptionCaption(bool japanese) {
    return japanese ? ja::kOptionCaption : kOptionCaption;
}

int ScrollRateValue(int v, int code, int thumb) {
    return ClampRateSetting(ScrolledValue(v, code, thumb));
}

int ScrollTempoValue(int tempo, int code, int thumb) {
    return std::clamp(ScrolledValue(tempo, code, thumb), kTempoMin, kTempoMax);
}

bool RedrawsScrollBar(int code, unsigned windowsVersion) {
    return code != kScrollThumbPosition && windowsVersion >= kWindows310;
}

RateTexts OptionRateTexts(int v, bool japanese, bool useclip, bool keepTempo) {
    return {RateText(DeviceRateSetting(v, keepTempo)), PitchText(v, japanese, useclip)};
}

std::string OptionTempoText(int tempo) {
    return std::to_string(tempo) + "%";
}

ListItems LengthListItems(bool japanese, bool useclip) {
    if (!japanese) return {kLengthItems, 8};
    return {useclip ? ja::kLengthItemsSpelled : ja::kLengthItems, 8};
}

ListItems FftSizeListItems() {
    return {kFftSizeItems, kLastFftParam - kFirstFftParam + 1};
}

ListItems WindowListItems(bool japanese) {
    return {japanese ? ja::kWindowItems : kWindowItems, kWindowCount};
}

int LengthPosition(uint32_t deltatime) {
    const uint32_t* end = std::end(kLengthValues);
    const uint32_t* found = std::find(std::begin(kLengthValues), end, deltatime);
    return found == end ? kNoSelection : static_cast<int>(found - std::begin(kLengthValues));
}

uint32_t LengthAt(int position) {
    if (position < 0 || position >= 8) return 0;
    return kLengthValues[position];
}

int FftSizePosition(int fftparam) {
    if (fftparam < kFirstFftParam || fftparam > kLastFftParam) return kNoSelection;
    return fftparam - kFirstFftParam;
}

int WindowPosition(int mado) {
    return mado >= 0 && mado < kWindowCount ? mado : kNoSelection;
}

OptionControls OptionControlsFor(const Settings& settings) {
    OptionControls c;
    c.peakOff = settings.PeakHold == 0;
    c.peakDecay = settings.PeakHold == 1;
    c.peakConst = settings.PeakHold == 2;
    c.graphic = settings.fftmode == kFftModeGraphic;
    c.parametric = settings.fftmode == kFftModeParametric;
    c.easy = settings.fftmode == kFftModeEasy;
    c.lengthSelection = LengthPosition(settings.deltatime);
    c.fftSizeSelection = FftSizePosition(settings.fftparam);
    c.windowSelection = WindowPosition(settings.mado);
    c.smooth = settings.smooth != 0;
    c.dbDisplay = settings.display != 0;
    c.monochrome = settings.monochrome != 0;
    c.useclip = settings.useclip != 0;
    c.levelWarning = settings.levelwarning != 0;
    c.keepTempo = settings.keeptempo != 0;
    c.voiceClassic = settings.voicecut == 0;
    c.voiceStereo = settings.voicecut == 1;
    return c;
}

Settings ApplyOptionControls(const Settings& current, const OptionControls& controls) {
    Settings s = current;
    s.PeakHold = controls.peakDecay ? 1 : controls.peakConst ? 2 : 0;
    if (controls.graphic) {
        s.fftmode = kFftModeGraphic;
    } else if (controls.parametric) {
        s.fftmode = kFftModeParametric;
    } else if (controls.easy) {
        s.fftmode = kFftModeEasy;
    }
    // A list without a selection stands for a value the dialog could not
    // show: keep it rather than store a position of -1 (which would give
    // fftparam 7 or mado -1).
    if (uint32_t length = LengthAt(controls.lengthSelection); length != 0) s.deltatime = length;
    if (controls.fftSizeSelection >= 0 &&
        controls.fftSizeSelection <= kLastFftParam - kFirstFftParam) {
        s.fftparam = controls.fftSizeSelection + kFirstFftParam;
    }
    if (controls.windowSelection >= 0 && controls.windowSelection < kWindowCount) {
        s.mado = controls.windowSelection;
    }
    s.levelwarning = controls.levelWarning ? 1 : 0;
    s.useclip = controls.useclip ? 1 : 0;
    s.smooth = controls.smooth ? 1 : 0;
    s.monochrome = controls.monochrome ? 1 : 0;
    s.display = controls.dbDisplay ? 1 : 0;
    s.keeptempo = controls.keepTempo ? 1 : 0;
    if (controls.voiceStereo) {
        s.voicecut = 1;
    } else if (controls.voiceClassic) {
        s.voicecut = 0;
    }
    return s;
}

OptionsLayout OptionsRelayout(int unitX, int unitA, int scrollBarWidth, int captionButtonHeight) {
    const int u = unitX;
    const int a = unitA;
    const int s = std::max(scrollBarWidth, 2 * u + 1);
    OptionsLayout l;
    l.dialog.width = 155 * u / 4 + s;
    l.dialog.height = 249 * a / 4 + 4 * a + 2 + captionButtonHeight;
    l.lengthList.width = 9 * u + s;
    l.lengthList.height = 13 * a;
    l.rateBar.width = 134 * u / 4 + s;
    l.rateBar.height = 9 * a / 4;
    l.tempoBar = l.rateBar;
    l.rateGroup.width = 142 * u / 4 + s;
    l.rateGroup.height = 60 * a / 4;
    l.lengthGroup.width = 142 * u / 4 + s;
    l.lengthGroup.height = 37 * a / 4;
    l.fftSizeList.width = 24 * u / 4 + s;
    l.fftSizeList.height = 44 * a / 4;
    l.windowLabel.x = 76 * u / 4 + s;
    l.windowLabel.y = 125 * a / 4;
    l.windowList.x = 113 * u / 4 + s;
    l.windowList.y = 125 * a / 4;
    l.windowList.width = 26 * u / 4 + s;
    l.windowList.height = 176 * a / 4;
    return l;
}

}  // namespace lomvex
