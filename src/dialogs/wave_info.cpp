// The wave information dialog's texts.
#include "dialogs/wave_info.h"

#include "dialogs/dialog_texts.h"
#include "display/format_text.h"

namespace lomvex {
namespace {

constexpr uint16_t kTagMsnAudio = 50;  // shown in baud
constexpr uint64_t kKilobitsShownInKbps = 1000;

const char* Choose(bool japanese, const char* english, const char* japaneseText) {
    return japanese ? japaneseText : english;
}

// 305 and 306: the bits of PCM-like formats, else the bit or byte rate.
void SetBitRate(ControlTexts& texts, const FormatState& state, bool japanese) {
    if (state.bitsShown != 0) {
        texts[info_ids::kBitRateLabel] = Choose(japanese, kInfoBitsLabel, ja::kInfoBitsLabel);
        texts[info_ids::kBitRate] = FormatText(kInfoBitsFormat, static_cast<int>(state.bitsShown));
        return;
    }
    texts[info_ids::kBitRateLabel] = Choose(japanese, kInfoBitRateLabel, ja::kInfoBitRateLabel);
    const uint64_t bitsPerSecond = uint64_t{state.avgBytesPerSec} * 8;
    if (state.tag == kTagMsnAudio) {
        texts[info_ids::kBitRate] =
            FormatText(kInfoBaudFormat, static_cast<long long>(bitsPerSecond));
    } else if (bitsPerSecond / 1000 < kKilobitsShownInKbps) {
        texts[info_ids::kBitRate] =
            FormatText(kInfoKbpsFormat, static_cast<long>(bitsPerSecond / 1000));
    } else {
        texts[info_ids::kBitRate] =
            FormatText(kInfoKbytesPerSecFormat, static_cast<long>(state.avgBytesPerSec / 1024));
    }
}

// "  10.0 秒" becomes "  10点0 秒": the point spelled out, the rest moved on.
std::string SpellPoint(std::string text) {
    const size_t point = text.find('.');
    if (point != std::string::npos) text.replace(point, 1, ja::kPointWord);
    return text;
}

// 307 and 308: the data size of compressed formats, else the playing time.
void SetTotalTime(ControlTexts& texts, const FormatState& state, uint32_t dataSize, bool japanese,
                  bool useclip) {
    if (IsCompressedTag(state.tag)) {
        texts[info_ids::kTotalTimeLabel] =
            Choose(japanese, kInfoDataSizeLabel, ja::kInfoDataSizeLabel);
        texts[info_ids::kTotalTime] =
            FormatText(kInfoKbytesFormat, static_cast<long>(dataSize >> 10));
        return;
    }
    texts[info_ids::kTotalTimeLabel] =
        Choose(japanese, kInfoTotalTimeLabel, ja::kInfoTotalTimeLabel);
    if (state.avgBytesPerSec == 0) {
        texts[info_ids::kTotalTime] = FormatText(kInfoNoSecondsFormat, 0L);
        return;
    }
    std::string seconds = FormatText(Choose(japanese, kInfoSecondsFormat, ja::kInfoSecondsFormat),
                                     static_cast<double>(dataSize) / state.avgBytesPerSec);
    texts[info_ids::kTotalTime] = japanese && useclip ? SpellPoint(seconds) : seconds;
}

}  // namespace

const char* WaveInfoCaption() {
    return kInfoCaption;
}

ControlTexts WaveInfoTexts(const FormatState& state, uint32_t dataSize, bool japanese,
                           bool useclip) {
    ControlTexts texts;
    texts[info_ids::kFrequencyLabel] =
        Choose(japanese, kInfoFrequencyLabel, ja::kInfoFrequencyLabel);
    texts[info_ids::kChannelsLabel] = Choose(japanese, kInfoChannelsLabel, ja::kInfoChannelsLabel);
    texts[info_ids::kDetail] = Choose(japanese, kInfoDetailButton, ja::kInfoDetailButton);
    texts[info_ids::kFrequency] = FormatText(kInfoKhzFormat, static_cast<int>(state.rateKhz));
    texts[info_ids::kChannels] = (state.layout & 2) != 0 ? "2" : "1";
    SetBitRate(texts, state, japanese);
    SetTotalTime(texts, state, dataSize, japanese, useclip);
    return texts;
}

}  // namespace lomvex
