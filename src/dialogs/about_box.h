// The About box ("ABOUT", procedure ABOUTBOX) without the platform: its
// control ids and every text it shows.
#pragma once

#include "dialogs/control_texts.h"

namespace lomvex {

namespace about_ids {
constexpr int kOk = 1;
constexpr int kIcon = 200;         // the icon resource "icon"
constexpr int kVersion = 201;      // "lomvex  Version 0.02"
constexpr int kPurpose = 202;      // what the program is for (right-aligned)
constexpr int kWordSize = 203;     // "32 bits"
constexpr int kDeviceCount = 204;  // input and output device counts
constexpr int kHelpName = 205;     // the help document's name (right-aligned)
constexpr int kHelpPlace = 206;    // where the help document lives
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
