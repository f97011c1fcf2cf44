// The wave information dialog ("INFOBOX", procedure INFOBOX) without the
// platform: its control ids and the four facts of the most recently opened
// file, from the format state and the data size kept when it was opened.
#pragma once

#include <cstdint>

#include "audiofile/format_state.h"
#include "dialogs/control_texts.h"
#include "resources/ids.h"

namespace lomvex {

namespace info_ids {
constexpr int kOk = 1;
constexpr int kDetail = IDC_INFO_DETAIL;  // ends the dialog with 1: open the wave detail dialog
constexpr int kFrequencyLabel = IDC_INFO_FREQUENCY_LABEL;
constexpr int kFrequency = IDC_INFO_FREQUENCY;  // value fields are right-aligned
constexpr int kChannelsLabel = IDC_INFO_CHANNELS_LABEL;
constexpr int kChannels = IDC_INFO_CHANNELS;
constexpr int kBitRateLabel = IDC_INFO_BIT_RATE_LABEL;
constexpr int kBitRate = IDC_INFO_BIT_RATE;
constexpr int kTotalTimeLabel = IDC_INFO_TOTAL_TIME_LABEL;
constexpr int kTotalTime = IDC_INFO_TOTAL_TIME;
}  // namespace info_ids

// "Wave Information": the template's caption, kept in both languages.
const char* WaveInfoCaption();

// Every label, button and value text of the dialog at WM_INITDIALOG:
//  302 "%dkHz" of the rate in kHz; 304 "2" for a two-channel layout, else "1";
//  305/306 "Bits" and "%5d bit" when the state shows bits, else "Bit Rate"
//    with "%5ld baud" (tag 50), "%5ld kbps" below 1000 kbit/s or "%5ld KB/s";
//  307/308 for compressed tags "Data Size" and "%7ld KB", else "Total Time"
//    with "%6.1f sec" of data size / byte rate ("%6.1f 秒" in Japanese, its
//    "." spelled "点" with `useclip`), or "%6ld sec" of 0 without a byte rate.
// In English mode the labels are the template's own texts except where the
// rules above change them; in Japanese mode all are Japanese.
ControlTexts WaveInfoTexts(const FormatState& state, uint32_t dataSize, bool japanese,
                           bool useclip);

}  // namespace lomvex
