// The About box ("ABOUT", procedure ABOUTBOX) without the platform: its
// control ids and every text it shows.
#pragma once

#include "dialogs/control_texts.h"
#include "resources/ids.h"

namespace lomvex {

namespace about_ids {
constexpr int kOk = 1;
constexpr int kIcon = IDC_ABOUT_ICON;         // the icon resource "icon"
constexpr int kVersion = IDC_ABOUT_VERSION;      // "lomvex  Version 0.02"
constexpr int kPurpose = IDC_ABOUT_PURPOSE;      // what the program is for (right-aligned)
constexpr int kWordSize = IDC_ABOUT_WORD_SIZE;     // "32 bits"
constexpr int kDeviceCount = IDC_ABOUT_DEVICE_COUNT;  // input and output device counts
constexpr int kHelpName = IDC_ABOUT_HELP_NAME;     // the help document's name (right-aligned)
constexpr int kHelpPlace = IDC_ABOUT_HELP_PLACE;    // where the help document lives
}  // namespace about_ids

// "About Lomvex", the caption in both languages.
const char* AboutCaption();

// The texts of controls 201 to 206 at WM_INITDIALOG. The version line is
// the English one in Japanese mode too, except with `useclip`: "lomvex
// Version 0点02". The device line counts the wave input devices, then the
// output devices, present when the box opens ("record device=%2d  play
// device=%2d"; Japanese "録音ﾃﾞﾊﾞｲｽ=%2d個  再生ﾃﾞﾊﾞｲｽ=%2d個").
ControlTexts AboutBoxTexts(bool japanese, bool useclip, unsigned inputDevices,
                           unsigned outputDevices);

}  // namespace lomvex
