// The About box's texts.
#include "dialogs/about_box.h"

#include "dialogs/dialog_texts.h"
#include "display/format_text.h"

namespace lomvex {

const char* AboutCaption() {
    return kAboutCaption;
}

ControlTexts AboutBoxTexts(bool japanese, bool useclip, unsigned inputDevices,
                           unsigned outputDevices) {
    ControlTexts texts;
    texts[about_ids::kVersion] = japanese && useclip ? ja::kAboutVersionSpelled : kAboutVersion;
    texts[about_ids::kPurpose] = japanese ? ja::kAboutPurpose : kAboutPurpose;
    texts[about_ids::kWordSize] = japanese ? ja::kAboutWordSize : kAboutWordSize;
    texts[about_ids::kDeviceCount] =
        FormatText(japanese ? ja::kAboutDeviceFormat : kAboutDeviceFormat,
                   static_cast<int>(inputDevices), static_cast<int>(outputDevices));
    texts[about_ids::kHelpName] = japanese ? ja::kAboutHelpName : kAboutHelpName;
    texts[about_ids::kHelpPlace] = japanese ? ja::kAboutHelpPlace : kAboutHelpPlace;
    return texts;
}

}  // namespace lomvex
