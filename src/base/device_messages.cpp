// Output device failure messages by result code.
#include "base/device_messages.h"

#include "base/base_texts.h"
#include "base/messages.h"
#include "resources/ids.h"

namespace lomvex {
namespace {

constexpr unsigned kResultBadDeviceId = 2;
constexpr unsigned kResultAllocated = 4;
constexpr unsigned kResultNoMemory = 7;
constexpr unsigned kResultNoDriver = 6;
constexpr unsigned kResultBadFormat = 32;
constexpr unsigned kResultNotSync = 35;

}  // namespace

void ShowOutputOpenMessage(unsigned result, const char* japaneseAllocated) {
    switch (result) {
        case kResultBadDeviceId:
            ShowUserMessage(IDS_CANT_OPEN_WAVEOUT, ja::kBadDeviceId);
            break;
        case kResultAllocated:
            ShowUserMessage(IDS_CANT_OPEN_WAVEOUT, japaneseAllocated);
            break;
        case kResultNoMemory:
            ShowUserMessage(IDS_NO_MEMORY, ja::kDeviceNoMemory);
            break;
        case kResultBadFormat:
            ShowUserMessage(IDS_NO_SUPPORT_FORMAT, ja::kNoPlayDriver);
            break;
        default:
            ShowUserMessage(IDS_CANT_OPEN_WAVEOUT, ja::kCantOpenOutput);
            break;
    }
}

void ShowInputQueryMessage(unsigned result) {
    if (result == kResultBadFormat) {
        ShowUserMessage(IDS_NO_SUPPORT_FORMAT, ja::kNoRecordDriver);
        return;
    }
    // These texts are built in, in both languages.
    struct QueryText {
        unsigned result;
        const char* english;
        const char* japanese;
    };
    static const QueryText kTexts[] = {
        {kResultBadDeviceId, "bad id", ja::kQueryBadId},
        {kResultAllocated, "allocated", ja::kQueryAllocated},
        {kResultNoDriver, "no driver", ja::kQueryNoDriver},
        {kResultNoMemory, "nomem", ja::kQueryNoMemory},
        {kResultNotSync, "err_sync", ja::kQueryNotSync},
    };
    MessageBoxRequest box;
    box.text = JapaneseMessages() ? ja::kQueryUnknown : "? error ?";
    for (const QueryText& t : kTexts)
        if (t.result == result) box.text = JapaneseMessages() ? t.japanese : t.english;
    box.icon = BoxIcon::Exclamation;
    ShowMessageBox(box);
}

}  // namespace lomvex
