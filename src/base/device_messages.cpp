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
constexpr unsigned kResultBadFormat = 32;

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

}  // namespace lomvex
