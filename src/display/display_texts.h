// The texts of the displays: the English ones here, the Japanese ones
// (Shift-JIS bytes) in display_texts_ja.cpp.
#pragma once

namespace lomvex {

// Level meter.
constexpr char kMeterLeftLabel[] = "  LEFT  ";
constexpr char kMeterRightLabel[] = "  RIGHT   ";
constexpr char kMeterMonauralLabel[] = "Monaural";

// Level warning.
constexpr char kWarningMaxLevelFormat[] = "Max level %+.1fdb";
constexpr char kWarningOverTimesFormat[] = "\nLevel over times %ld";
constexpr char kWarningOverCaption[] = "Level Over";
constexpr char kWarningUnderCaption[] = "Level Under";
constexpr char kWarningCaption[] = "Level";

// Graph area.
constexpr char kTraceMsecFormat[] = "%d msec";

// Equalizer labels, info panel and clipboard texts.
constexpr char kBandKiloLabelFormat[] = "%dkilo";
constexpr char kBandRangeDash[] = " -";
constexpr char kParametricTo[] = "to";
constexpr char kClipBalanceName[] = "balance";
constexpr char kClipKiloTo[] = "kilo to ";
constexpr char kClipTo[] = " to ";
constexpr char kClipKiloHertzFormat[] = "%3.0fkiloHertz ";
constexpr char kClipHertzFormat[] = "%4.0fHertz ";
constexpr char kClipDecibelFormat[] = "%s %s %+3ddecibel";
constexpr char kClipZeroDecibelFormat[] = "%s %s %3ddecibel";

namespace ja {

extern const char kMeterCantDisplay[];
extern const char kMeterLeftLabel[];
extern const char kMeterRightLabel[];
extern const char kWarningMaxLevelFormat[];
extern const char kWarningMaxLevelSpelledFormat[];  // with `useclip`
extern const char kWarningOverTimesFormat[];
extern const char kWarningOverTimesSpelledFormat[];
extern const char kWarningTooHigh[];
extern const char kWarningTooLow[];
// The spelled-out words that replace the first sign and the decimal point.
extern const char kWarningMinusWord[];
extern const char kWarningPlusWord[];
extern const char kWarningPointWord[];

extern const char kBandKiloLabelFormat[];
extern const char kBandRangeDash[];
extern const char kParametricTo[];
extern const char kClipBalanceName[];
extern const char kClipKiloTo[];
extern const char kClipTo[];
extern const char kClipKiloHertzFormat[];
extern const char kClipHertzFormat[];
extern const char kClipDecibelFormat[];
extern const char kClipZeroDecibelFormat[];

}  // namespace ja
}  // namespace lomvex
