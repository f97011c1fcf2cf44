// The record setup dialog's rules: labels, fitting to the input device,
// radio buttons, the queried format.
#include "dialogs/record_setup.h"

#include <initializer_list>

#include "dialogs/dialog_texts.h"

namespace lomvex {
namespace {

// WAVE_FORMAT_* bits of an input device's capabilities: 1, 2 and 4 stand
// for 11, 22 and 44 kHz, M and S for mono and stereo, 08 and 16 for bits.
constexpr uint32_t kStereoFormats = 0xAAA;      // ?S08 and ?S16
constexpr uint32_t kSixteenBitFormats = 0xCCC;  // ?M16 and ?S16
constexpr uint32_t k22And44kHzFormats = 0xFF0;  // 2??? and 4???
constexpr uint32_t k44kHzFormats = 0xF00;       // 4???

constexpr RadioGroup kRateButtons = {record_ids::kRate44k, record_ids::kRate11k};
constexpr RadioGroup kChannelButtons = {record_ids::kStereo, record_ids::kMonaural};
constexpr RadioGroup kBitsButtons = {record_ids::kBits16, record_ids::kBits8};

int RateButton(uint32_t freq) {
    switch (freq) {
        case 44100:
            return record_ids::kRate44k;
        case 22050:
            return record_ids::kRate22k;
        case 11025:
            return record_ids::kRate11k;
        default:
            return 0;
    }
}

int ChannelButton(int channel) {
    return channel == 2 ? record_ids::kStereo : channel == 1 ? record_ids::kMonaural : 0;
}

int BitsButton(int bits) {
    return bits == 16 ? record_ids::kBits16 : bits == 8 ? record_ids::kBits8 : 0;
}

void Disable(RecordSetupStart& start, std::initializer_list<int> ids) {
    for (int id : ids) start.disabled.push_back(id);
}

}  // namespace

const DialogLabel kRecordLabels[kRecordLabelCount] = {
    {record_ids::kOk, kOk, kOk},
    {record_ids::kCancel, kRecordCancel, kRecordCancel},
    {record_ids::kRateGroup, kRecordRateGroup, ja::kRecordRateGroup},
    {record_ids::kRate44k, kRecordRate44k, kRecordRate44k},
    {record_ids::kRate22k, kRecordRate22k, kRecordRate22k},
    {record_ids::kRate11k, kRecordRate11k, kRecordRate11k},
    {record_ids::kChannelGroup, kRecordChannelGroup, ja::kRecordChannelGroup},
    {record_ids::kStereo, kRecordStereo, ja::kRecordStereo},
    {record_ids::kMonaural, kRecordMonaural, ja::kRecordMonaural},
    {record_ids::kBitsGroup, kRecordBitsGroup, ja::kRecordBitsGroup},
    {record_ids::kBits16, kRecordBits16, kRecordBits16},
    {record_ids::kBits8, kRecordBits8, kRecordBits8},
};

const char* RecordCaption(bool japanese) {
    return japanese ? ja::kRecordCaption : kRecordCaption;
}

RecordSetup FitRecordSetup(uint32_t inputFormats, const RecordSetup& setup) {
    RecordSetup fitted = setup;
    if ((inputFormats & kStereoFormats) == 0) fitted.channel = 1;
    if ((inputFormats & kSixteenBitFormats) == 0) fitted.bits = 8;
    if ((inputFormats & k22And44kHzFormats) == 0) {
        fitted.freq = 11025;
    } else if ((inputFormats & k44kHzFormats) == 0 && fitted.freq == 44100) {
        fitted.freq = 22050;
    }
    return fitted;
}

RecordSetupStart StartRecordSetup(uint32_t inputFormats, const RecordSetup& current) {
    RecordSetupStart start;
    start.setup = FitRecordSetup(inputFormats, current);
    start.rateButton = RateButton(start.setup.freq);
    start.channelButton = ChannelButton(start.setup.channel);
    start.bitsButton = BitsButton(start.setup.bits);
    if ((inputFormats & kStereoFormats) == 0)
        Disable(start, {record_ids::kChannelGroup, record_ids::kStereo, record_ids::kMonaural});
    if ((inputFormats & kSixteenBitFormats) == 0)
        Disable(start, {record_ids::kBitsGroup, record_ids::kBits16, record_ids::kBits8});
    if ((inputFormats & k22And44kHzFormats) == 0) {
        Disable(start, {record_ids::kRateGroup, record_ids::kRate44k, record_ids::kRate22k,
                        record_ids::kRate11k});
    } else if ((inputFormats & k44kHzFormats) == 0) {
        Disable(start, {record_ids::kRate44k});
    }
    return start;
}

std::optional<RadioGroup> ClickRecordButton(int id, RecordSetup& setup) {
    switch (id) {
        case record_ids::kRate44k:
            setup.freq = 44100;
            return kRateButtons;
        case record_ids::kRate22k:
            setup.freq = 22050;
            return kRateButtons;
        case record_ids::kRate11k:
            setup.freq = 11025;
            return kRateButtons;
        case record_ids::kStereo:
            setup.channel = 2;
            return kChannelButtons;
        case record_ids::kMonaural:
            setup.channel = 1;
            return kChannelButtons;
        case record_ids::kBits16:
            setup.bits = 16;
            return kBitsButtons;
        case record_ids::kBits8:
            setup.bits = 8;
            return kBitsButtons;
        default:
            return std::nullopt;
    }
}

FormatFields RecordQueryFormat(const RecordSetup& setup) {
    return PcmFormat(setup.freq, setup.channel, setup.bits);
}

}  // namespace lomvex
