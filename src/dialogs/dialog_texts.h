// The texts the dialogs show: the English ones here, the Japanese ones
// (Shift-JIS bytes) in dialog_texts_ja.cpp. English texts that are also
// resource texts (dialog templates) are listed so that the template and the
// code can be checked against each other.
#pragma once

namespace lomvex {

// The 3D-look item of every dialog's system menu.
constexpr char kThreeDimension[] = "&Three dimension";

// ---- Options ("OPTION") ----------------------------------------------------
constexpr char kOptionCaption[] = "Option";
constexpr char kOptionRateLabel[] = "Playing &Rate:";
constexpr char kOptionPitchLabel[] = "Pitch";
constexpr char kOptionTempoLabel[] = "T&empo";
constexpr char kOptionLengthLabel[] = "One &Time data length";
constexpr char kOptionPeakLabel[] = "&Peakhold";
constexpr char kOptionPeakOff[] = "Off";
constexpr char kOptionPeakDecay[] = "decay";
constexpr char kOptionPeakConst[] = "const";
constexpr char kOptionSmooth[] = "&Smooth";
constexpr char kOptionDbDisplay[] = "&db display";
constexpr char kOptionMonochrome[] = "mono&chrome";
constexpr char kOptionFftSizeLabel[] = "freq &Num";
constexpr char kOptionWindowLabel[] = "&Window";
constexpr char kOptionModeGroup[] = "Equalizing &Mode";
constexpr char kOptionGraphic[] = "Graphic equalizer";
constexpr char kOptionParametric[] = "Parametric equalizer";
constexpr char kOptionEasy[] = "Easy Setting";
constexpr char kOptionCopyValue[] = "Copy Scrollbar &value to Clipboard";
constexpr char kOptionLevelWarning[] = "&Level Warning Message";
constexpr char kOptionKeepTempo[] = "&Keep tempo";
constexpr char kOptionVoiceGroup[] = "Voice removal";
constexpr char kOptionVoiceClassic[] = "Cl&assic L-R (mono)";
constexpr char kOptionVoiceStereo[] = "Keep stere&o";
constexpr char kOk[] = "OK";
constexpr char kCancel[] = "Cancel";

// List 117 (one-time length): seven characters each, trailing spaces kept.
constexpr const char* kLengthItems[8] = {"3 sec  ", "1.5 sec", "1 sec  ", "1/3 sec",
                                         "1/5 sec", "1/11sec", "1/22sec", "1/43sec"};
// List 146 (frequency count): right-aligned to five characters, both languages.
constexpr const char* kFftSizeItems[9] = {"  128", "  256", "  512", " 1024", " 2048",
                                          " 4096", " 8192", "16384", "32768"};
// List 148 (window function).
constexpr const char* kWindowItems[3] = {"Hann", "taper", "Rect"};

// ---- Record setup ("RECOPEN") ----------------------------------------------
constexpr char kRecordCaption[] = "monitering record port";
constexpr char kRecordCancel[] = "CANCEL";  // both languages
constexpr char kRecordRateGroup[] = "&Frequency";
constexpr char kRecordRate44k[] = "44kHz";  // the rates and bit counts: both languages
constexpr char kRecordRate22k[] = "22kHz";
constexpr char kRecordRate11k[] = "11kHz";
constexpr char kRecordChannelGroup[] = "&Channel";
constexpr char kRecordStereo[] = "Stereo";
constexpr char kRecordMonaural[] = "Monaural";
constexpr char kRecordBitsGroup[] = "&Bits";
constexpr char kRecordBits16[] = "16 bit";
constexpr char kRecordBits8[] = "8 bit";

// ---- About box ("ABOUT") ----------------------------------------------------
constexpr char kAboutCaption[] = "About Lomvex";  // both languages
constexpr char kAboutVersion[] = "lomvex  Version 0.02";
constexpr char kAboutWordSize[] = "32 bits";
constexpr char kAboutDeviceFormat[] = "record device=%2d  play device=%2d";
constexpr char kAboutPurpose[] = "Backing track maker";
constexpr char kAboutHelpName[] = "Help: lomvex.htm";
constexpr char kAboutHelpPlace[] = "beside lomvex.exe";

// ---- Wave information ("INFOBOX") -------------------------------------------
constexpr char kInfoCaption[] = "Wave Information";
constexpr char kInfoFrequencyLabel[] = "Frequency";
constexpr char kInfoChannelsLabel[] = "Channels";
constexpr char kInfoBitRateLabel[] = "Bit Rate";
constexpr char kInfoBitsLabel[] = "Bits";
constexpr char kInfoTotalTimeLabel[] = "Total Time";
constexpr char kInfoDataSizeLabel[] = "Data Size";
constexpr char kInfoDetailButton[] = "&Detail";
constexpr char kInfoKhzFormat[] = "%dkHz";
constexpr char kInfoBitsFormat[] = "%5d bit";
constexpr char kInfoBaudFormat[] = "%5lld baud";  // bits per second can pass 2^31
constexpr char kInfoKbpsFormat[] = "%5ld kbps";
constexpr char kInfoKbytesPerSecFormat[] = "%5ld KB/s";
constexpr char kInfoKbytesFormat[] = "%7ld KB";
constexpr char kInfoSecondsFormat[] = "%6.1f sec";
constexpr char kInfoNoSecondsFormat[] = "%6ld sec";  // both languages

// ---- Wave detail ("INFODETAIL") ---------------------------------------------
constexpr char kDetailCaption[] = "Wave Detail";
// The left column, top to bottom (static texts without ids).
constexpr const char* kDetailRowLabels[16] = {
    "File Size",   "Riff ID",  "Riff Size",    "Riff Type",   "Chunk ID",  "Chunk Size",
    "WaveFmtType", "Channels", "SamplePerSec", "BytesPerSec", "BlockSize", "SamplingBits",
    "cbSize",      "Chunk ID", "Chunk Size",   "Total Time"};
// The right column's resource texts; 188, 185 and 179 are blank.
constexpr char kDetailHintRiffSize[] = "FileSize-8";               // 187
constexpr char kDetailHintTag[] = "PCM:1";                         // 177
constexpr char kDetailHintChannels[] = "1:mon  2:ste";             // 182
constexpr char kDetailHintRate[] = "SamplePerSec";                 // 181
constexpr char kDetailHintByteRate[] = "Sample*Block";             // 183
constexpr char kDetailHintBlockAlign[] = "Ch * Bits / 8";          // 184
constexpr char kDetailHintCbSize[] = "PCM:0 AD:32";                // 186
constexpr char kDetailHintNextSize[] = "RS-fCS-20";                // 180
constexpr char kDetailHintRiffSizeSpelled[] = "FileSize minus 8";  // 187 with `useclip`

constexpr char kDetailFirstByteFf[] = "FFF";  // Riff ID of a file starting with 0xFF
constexpr char kDetailMonaural[] = "monaural";
constexpr char kDetailStereo[] = "stereo";
constexpr char kDetailMicrosecondsFormat[] = "%.0fmicroSec";
constexpr char kDetailInfiniteSeconds[] = "Inf sec";
constexpr char kDetailMp3IdFormat[] = "ID=%d";
constexpr char kDetailMp3FlagsFormat[] = "flags=%04lx";
constexpr char kDetailMp3BlockFormat[] = "blksiz=%d";
constexpr char kDetailMp3FramesFormat[] = "frames=%d";
constexpr char kDetailMp3DelayFormat[] = "delay=%d";
constexpr char kDetailFactFormat[] = "fact=%lu";
constexpr char kDetailFactSecondsFormat[] = "%5f sec";
constexpr char kDetailFactNoRateFormat[] = "%3s sec";  // with "Inf"
constexpr char kDetailMillisecondsFormat[] = "%.3f msec";
constexpr char kDetailSecondsFormat[] = "%f sec";  // both languages
constexpr char kDetailUnknownSeconds[] = "unknown sec";
constexpr char kTagNameZero[] = "?";
constexpr char kTagNameUnknown[] = "unknown";

namespace ja {

extern const char kThreeDimension[];

// Options.
extern const char kOptionCaption[];
extern const char kOptionRateLabel[];
extern const char kOptionPitchLabel[];
extern const char kOptionTempoLabel[];
extern const char kOptionLengthLabel[];
extern const char kOptionPeakLabel[];
extern const char kOptionPeakOff[];
extern const char kOptionPeakDecay[];
extern const char kOptionPeakConst[];
extern const char kOptionSmooth[];
extern const char kOptionDbDisplay[];
extern const char kOptionMonochrome[];
extern const char kOptionFftSizeLabel[];
extern const char kOptionWindowLabel[];
extern const char kOptionModeGroup[];
extern const char kOptionGraphic[];
extern const char kOptionParametric[];
extern const char kOptionEasy[];
extern const char kOptionCopyValue[];
extern const char kOptionLevelWarning[];
extern const char kOptionKeepTempo[];
extern const char kOptionVoiceGroup[];
extern const char kOptionVoiceClassic[];
extern const char kOptionVoiceStereo[];
extern const char kCancel[];
extern const char* const kLengthItems[8];
extern const char* const kLengthItemsSpelled[8];  // with `useclip`
extern const char* const kWindowItems[3];

// Record setup.
extern const char kRecordCaption[];
extern const char kRecordRateGroup[];
extern const char kRecordChannelGroup[];
extern const char kRecordStereo[];
extern const char kRecordMonaural[];
extern const char kRecordBitsGroup[];

// About box.
extern const char kAboutVersionSpelled[];  // with `useclip`
extern const char kAboutWordSize[];
extern const char kAboutDeviceFormat[];
extern const char kAboutPurpose[];
extern const char kAboutHelpName[];
extern const char kAboutHelpPlace[];

// Wave information.
extern const char kInfoFrequencyLabel[];
extern const char kInfoChannelsLabel[];
extern const char kInfoBitRateLabel[];
extern const char kInfoBitsLabel[];
extern const char kInfoTotalTimeLabel[];
extern const char kInfoDataSizeLabel[];
extern const char kInfoDetailButton[];
extern const char kInfoSecondsFormat[];
extern const char kPointWord[];  // "点": replaces the decimal point with `useclip`

// Wave detail.
extern const char kDetailHintRiffSizeSpelled[];
extern const char kDetailHintByteRate[];
extern const char kDetailHintBlockAlign[];
extern const char kDetailHintChannels[];
extern const char kDetailMonaural[];
extern const char kDetailStereo[];
extern const char kDetailMicrosecondsFormat[];
extern const char kDetailInfiniteSeconds[];
extern const char kDetailMillisecondsFormat[];
extern const char kDetailUnknownSeconds[];

}  // namespace ja
}  // namespace lomvex
