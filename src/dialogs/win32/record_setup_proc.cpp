// The record setup dialog procedure: it checks, disables and asks the input
// device; what it shows and stores is decided by the dialog's core.
#include "dialogs/win32/record_setup_proc.h"

#include <mmsystem.h>

#include "base/base_texts.h"
#include "base/messages.h"
#include "base/program_state.h"
#include "base/win32/main_window_handle.h"
#include "dialogs/record_setup.h"
#include "dialogs/win32/dialog_look.h"
#include "dialogs/win32/dialog_texts_binding.h"
#include "resources/ids.h"

namespace lomvex {
namespace {

// The open dialog's request and the settings it found, which Cancel puts
// back.
struct OpenRecordSetup {
    RecordSetupRequest request;
    RecordSetup atOpen;
};
OpenRecordSetup openSetup;

RecordSetup CurrentSetup() {
    return {program.settings.freq, program.settings.channel, program.settings.bits};
}

void StoreSetup(const RecordSetup& setup) {
    program.settings.freq = setup.freq;
    program.settings.channel = setup.channel;
    program.settings.bits = setup.bits;
}

BOOL OnInit(HWND dialog, const RecordSetupRequest* request) {
    InitDialog3dLook(dialog, nullptr);
    if (program.japaneseMode) {
        SetWindowTextA(dialog, RecordCaption(true));
        SetControlTexts(dialog, LabelTexts(kRecordLabels, kRecordLabelCount, true));
    }
    openSetup.request = request ? *request : RecordSetupRequest{};
    if (!openSetup.request.query) openSetup.request.query = InputRecordsFormat;
    openSetup.atOpen = CurrentSetup();
    const RecordSetupStart start =
        StartRecordSetup(openSetup.request.inputFormats, openSetup.atOpen);
    StoreSetup(start.setup);
    for (int id : {start.rateButton, start.channelButton, start.bitsButton})
        if (id != 0) CheckDlgButton(dialog, id, BST_CHECKED);
    for (int id : start.disabled) EnableWindow(GetDlgItem(dialog, id), FALSE);
    return TRUE;
}

// The dialog stays open when the device refuses: the user may choose again
// or cancel. The box is owned by the dialog so that OK cannot be pressed
// again behind it.
void OnOk(HWND dialog) {
    if (openSetup.request.query(RecordQueryFormat(CurrentSetup()))) {
        EndDialog(dialog, 1);
        return;
    }
    ShowUserMessageOwnedBy(dialog, IDS_NO_SUPPORT_FORMAT, ja::kNoRecordDriver);
}

void OnCommand(HWND dialog, int id) {
    if (id == IDOK) {
        OnOk(dialog);
    } else if (id == IDCANCEL) {
        StoreSetup(openSetup.atOpen);
        EndDialog(dialog, 0);
    } else {
        RecordSetup setup = CurrentSetup();
        if (std::optional<RadioGroup> group = ClickRecordButton(id, setup)) {
            CheckRadioButton(dialog, group->first, group->last, id);
            StoreSetup(setup);
        }
    }
}

}  // namespace

bool InputRecordsFormat(const FormatFields& format) {
    PCMWAVEFORMAT pcm = {};
    pcm.wf.wFormatTag = format.tag;
    pcm.wf.nChannels = format.channels;
    pcm.wf.nSamplesPerSec = format.samplesPerSec;
    pcm.wf.nAvgBytesPerSec = format.avgBytesPerSec;
    pcm.wf.nBlockAlign = format.blockAlign;
    pcm.wBitsPerSample = format.bitsPerSample;
    // A PCM format needs no cbSize: the 16 bytes are the whole record.
    return waveInOpen(nullptr, WAVE_MAPPER, reinterpret_cast<const WAVEFORMATEX*>(&pcm), 0, 0,
                      WAVE_FORMAT_QUERY) == MMSYSERR_NOERROR;
}

bool RunRecordSetup(HWND owner, uint32_t inputFormats) {
    RecordSetupRequest request;
    request.inputFormats = inputFormats;
    return DialogBoxParamA(instanceHandle, "RECOPEN", owner, NEWFILE,
                           reinterpret_cast<LPARAM>(&request)) == 1;
}

INT_PTR CALLBACK NEWFILE(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            return OnInit(dialog, reinterpret_cast<const RecordSetupRequest*>(lParam));
        case WM_COMMAND:
            OnCommand(dialog, LOWORD(wParam));
            return TRUE;
        case WM_SYSCOMMAND:
            // The default handling still runs: only item 100 is the dialog's own.
            if (wParam == kDialog3dCommand) ToggleDialog3dLook(dialog, nullptr);
            return FALSE;
        default:
            return FALSE;
    }
}

}  // namespace lomvex
