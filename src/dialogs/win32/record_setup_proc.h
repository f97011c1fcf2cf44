// The record setup dialog ("RECOPEN"): the rate, channels and bits of the
// wave input, offered as far as the input device can record them. Each
// radio button stores its setting at once; Cancel puts the three settings
// back, OK keeps them only once the input device accepts the format.
#pragma once

#include <windows.h>

#include <cstdint>

#include "audiofile/format_record.h"

namespace lomvex {

// Whether an input device records `format`; asked at OK.
using RecordFormatQuery = bool (*)(const FormatFields& format);

// Asks the wave input mapper, in query mode only (no device is opened).
bool InputRecordsFormat(const FormatFields& format);

// What NEWFILE takes as the WM_INITDIALOG parameter: the input device's
// WAVE_FORMAT_* mask taken at start-up (0 without an input device) and the
// format check OK uses. A null parameter means a mask of 0, a null check
// InputRecordsFormat.
struct RecordSetupRequest {
    uint32_t inputFormats = 0;
    RecordFormatQuery query = InputRecordsFormat;
};

// Runs the dialog modally over `owner`; true after OK (the settings hold
// the accepted format), false after Cancel (the settings are as before).
bool RunRecordSetup(HWND owner, uint32_t inputFormats);

INT_PTR CALLBACK NEWFILE(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace lomvex
