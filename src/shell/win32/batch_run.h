// The batch save in the running program: each file of the batch is opened
// and saved exactly as the Open and Save commands do, one after the other,
// in the visible main window, with no box shown (the message layer's quiet
// mode turns each box into the file's reason). Then the report is written
// and the window closed; the program's exit code is the batch's.
#pragma once

#include <windows.h>

#include "shell/batch_request.h"

namespace lomvex {

// Posted to the main window once it is ready; the batch runs on it.
constexpr UINT kBatchStartMessage = WM_APP + 1;

// Takes the command line's batch request; from here on, to the end of the
// process, no box is shown.
void SetBatchRequest(const BatchRequest& request);
bool BatchRequested();
// Runs the whole batch, then closes the main window (if it is still open).
// Does nothing without a batch request, or once the batch has run.
void RunBatch();
// The exit code of the batch that ran (see BatchExitCode).
int BatchExitStatus();

}  // namespace lomvex
