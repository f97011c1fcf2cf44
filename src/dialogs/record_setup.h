// The record setup dialog ("RECOPEN", procedure NEWFILE) without the
// platform: its control ids and labels in both languages, how the input
// device's format mask narrows the record format when the dialog opens
// (which buttons are checked, which controls are disabled), what each radio
// button stores, and the PCM format OK asks the input device about.
//
// The Win32 procedure checks, disables and queries; everything it decides
// comes from here.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "audiofile/format_record.h"
#include "dialogs/control_texts.h"
#include "resources/ids.h"

namespace lomvex {

// Control ids of the dialog template.
namespace record_ids {
constexpr int kOk = 1;
constexpr int kCancel = 2;
constexpr int kRateGroup = IDC_REC_RATE_GROUP;  // group box round the three rates
constexpr int kRate44k = IDC_REC_RATE_44K;      // radio buttons of `freq` 44100, 22050, 11025
constexpr int kRate22k = IDC_REC_RATE_22K;
constexpr int kRate11k = IDC_REC_RATE_11K;
constexpr int kChannelGroup = IDC_REC_CHANNEL_GROUP;
constexpr int kStereo = IDC_REC_STEREO;  // radio buttons of `channel` 2 and 1
constexpr int kMonaural = IDC_REC_MONAURAL;
constexpr int kBitsGroup = IDC_REC_BITS_GROUP;
constexpr int kBits16 = IDC_REC_BITS_16;  // radio buttons of `bits` 16 and 8
constexpr int kBits8 = IDC_REC_BITS_8;
}  // namespace record_ids

// Every control with its English (template) and Japanese text. In Japanese
// mode the dialog sets them, and the caption, when it opens.
constexpr size_t kRecordLabelCount = 12;
extern const DialogLabel kRecordLabels[kRecordLabelCount];
// "monitering record port" / "録音ポートをモニタする"
const char* RecordCaption(bool japanese);

// The three record settings the dialog edits, as the settings keep them.
struct RecordSetup {
    uint32_t freq = 44100;
    int16_t channel = 2;
    int16_t bits = 16;
};

// `inputFormats` is the input device's WAVE_FORMAT_* bit mask taken at
// start-up (0 without an input device). Without a stereo format the
// channels become 1, without a 16-bit format the bits become 8, without a
// 22 or 44 kHz format the rate becomes 11025, and without a 44 kHz format
// exactly 44100 becomes 22050. Any other rate (a command-line choice) is
// kept.
RecordSetup FitRecordSetup(uint32_t inputFormats, const RecordSetup& setup);

// What the dialog opens with: the fitted settings, the radio button checked
// in each group (0 for none: a rate other than the three, or a channel or
// bit count outside its two values) and the controls the input device
// makes useless, disabled: a whole group when the device offers one choice
// only, the 44kHz button when it lacks just that rate.
struct RecordSetupStart {
    RecordSetup setup;
    int rateButton = 0;
    int channelButton = 0;
    int bitsButton = 0;
    std::vector<int> disabled;
};
RecordSetupStart StartRecordSetup(uint32_t inputFormats, const RecordSetup& current);

// A radio group: the first and last ids of its buttons.
struct RadioGroup {
    int first;
    int last;
};

// A click on control `id`: for one of the seven radio buttons, stores its
// value in `setup` and returns the button's group (to check the button in);
// for any other control returns nothing and leaves `setup` alone.
std::optional<RadioGroup> ClickRecordButton(int id, RecordSetup& setup);

// The 16-byte PCM format OK asks the input device about: tag 1, block align
// (bits / 8) × channels and a byte rate of rate × block align.
FormatFields RecordQueryFormat(const RecordSetup& setup);

}  // namespace lomvex
