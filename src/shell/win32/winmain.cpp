// The program's entry point: process set-up, the main window, the message
// loop, and the settings written back at exit (a batch save leaves the
// settings file as it found it and ends with the batch's exit code).
#include <windows.h>
#include <mmsystem.h>

#include "base/messages.h"
#include "base/win32/message_box_sink.h"
#include "base/program_state.h"
#include "shell/win32/batch_run.h"
#include "shell/win32/heap_check.h"
#include "shell/win32/main_window.h"
#include "shell/win32/profile_store.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR, int showCommand) {
    using namespace lomvex;
    SetMessageSink(&messageBoxSink);
    SetErrorMode(SEM_NOOPENFILEERRORBOX);
    if (timeBeginPeriod(1) != TIMERR_NOERROR) ShowDiagnostic("time", "", BoxOwner::None);
    CheckHeap("begin");
    if (previous == nullptr && !RegisterMainClass(instance)) return 0;
    if (!CreateMainWindow(instance, showCommand)) return 0;

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (TranslateShortcutKey(mainWindow, message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }

    timeEndPeriod(1);
    if (BatchRequested()) {
        CheckHeap("end");
        return BatchExitStatus();
    }
    PrivateProfileStore profile;
    WriteSettings(program.settings, profile, program.NewStyleShell());
    CheckHeap("end");
    return static_cast<int>(message.wParam);
}
