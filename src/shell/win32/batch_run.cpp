// Running a batch save: one open and save per file, the lines, the report.
#include "shell/win32/batch_run.h"

#include <string>
#include <vector>

#include "base/messages.h"
#include "base/program_state.h"
#include "engine/win32/playback.h"
#include "engine/win32/save_output.h"
#include "resources/ids.h"
#include "shell/batch_inputs.h"
#include "shell/batch_report.h"
#include "shell/file_names.h"
#include "shell/win32/batch_files.h"
#include "shell/win32/commands.h"
#include "shell/win32/main_window.h"

namespace lomvex {
namespace {

struct BatchSession {
    BatchRequest request;
    std::vector<std::string> boxTexts;  // what the current file's boxes said
    std::vector<std::string> lines;     // of the report
    std::vector<std::string> outputs;   // written so far
    std::vector<std::string> sources;   // every file of the batch, as full paths
    unsigned saved = 0, failed = 0;
    int exitCode = kBatchAllSaved;
    bool started = false;
};

BatchSession session;

const char* Reason(BatchReason reason) {
    return BatchReasonText(reason, program.japaneseMode);
}

void Record(BatchConsole& console, const std::string& line) {
    session.lines.push_back(line);
    console.WriteLine(line);
}

void RecordFailure(BatchConsole& console, const std::string& source,
                   const std::vector<std::string>& reasons) {
    ++session.failed;
    Record(console, FailedLine(source, reasons, program.japaneseMode));
}

// The path as the platform completes it (the current folder before a
// relative one), for comparing names.
std::string FullPath(const std::string& path) {
    char full[MAX_PATH];
    DWORD length = GetFullPathNameA(path.c_str(), MAX_PATH, full, nullptr);
    return length > 0 && length < MAX_PATH ? std::string(full, length) : path;
}

bool Listed(const std::vector<std::string>& paths, const std::string& path) {
    for (const std::string& listed : paths)
        if (lstrcmpiA(listed.c_str(), path.c_str()) == 0) return true;
    return false;
}

// Opens and saves one file as the Open and Save commands do; false when the
// batch must stop (Stop was pressed or the window closed).
bool SaveOne(BatchConsole& console, const std::string& source, std::size_t index,
             std::size_t count) {
    if (source.size() >= kPathBufferSize) {
        RecordFailure(console, source, {Reason(BatchReason::PathTooLong)});
        return true;
    }
    const std::string output = BatchOutputPath(source, session.request.outputFolder, IsLeadByte);
    if (output.empty()) {
        RecordFailure(console, source, {Reason(BatchReason::OutputPathTooLong)});
        return true;
    }
    // A source is never replaced, neither this file (the save refuses that)
    // nor one that the batch reads before or after it.
    const std::string fullOutput = FullPath(output);
    if (Listed(session.sources, fullOutput)) {
        RecordFailure(console, source, {Reason(BatchReason::OutputIsASource) + (": " + output)});
        return true;
    }
    if (Listed(session.outputs, fullOutput)) {
        RecordFailure(console, source, {Reason(BatchReason::OutputTaken) + (": " + output)});
        return true;
    }
    session.boxTexts.clear();
    program.currentPath = source;
    program.currentTitle = FileTitle(source, IsLeadByte);
    SetWindowTextA(mainWindow, BatchWindowTitle(index, count, program.currentTitle).c_str());
    SaveResult result;
    if (OpenForPlay()) result = SaveProcessedOutput(output);
    CloseOpenFile();
    if (result.end == SaveEnd::Saved) {
        ++session.saved;
        session.outputs.push_back(fullOutput);
        Record(console,
               SavedLine(source, output, SoundLengthText(result.dataBytes, result.bytesPerSecond),
                         session.boxTexts, program.japaneseMode));
        return true;
    }
    // A partly written file is no backing track.
    if (result.fileCreated) DeleteFileA(output.c_str());
    const bool closed = !IsWindow(mainWindow);
    if (result.end == SaveEnd::Stopped)
        session.boxTexts.push_back(
            Reason(closed ? BatchReason::StoppedByClose : BatchReason::StoppedByStop));
    if (session.boxTexts.empty()) session.boxTexts.push_back(Reason(BatchReason::SaveFailed));
    RecordFailure(console, source, session.boxTexts);
    return result.end != SaveEnd::Stopped && !closed;
}

void SaveAll(BatchConsole& console, const std::vector<std::string>& sources) {
    for (const std::string& source : sources) session.sources.push_back(FullPath(source));
    const bool folderReady =
        session.request.outputFolder.empty() || MakeFolder(session.request.outputFolder);
    // The channel operation is chosen as its radio button would choose it.
    OnCommand(IDC_CHANNEL_NOTHING + session.request.channelOperation, nullptr, 0);
    bool going = true;
    for (std::size_t k = 0; k < sources.size(); ++k) {
        if (!folderReady)
            RecordFailure(console, sources[k], {Reason(BatchReason::OutputFolderFailed)});
        else if (!going)
            RecordFailure(console, sources[k], {Reason(BatchReason::NotReached)});
        else
            going = SaveOne(console, sources[k], k + 1, sources.size());
    }
    Record(console, SummaryLine(session.saved, session.failed, program.japaneseMode));
    session.exitCode = BatchExitCode(session.saved, session.failed);
}

void Refuse(BatchConsole& console) {
    for (const std::string& line : RefusalLines(session.request, program.japaneseMode))
        Record(console, line);
    session.exitCode = kBatchRefused;
    // The report still goes to the output folder asked for.
    if (!session.request.outputFolder.empty()) MakeFolder(session.request.outputFolder);
}

}  // namespace

void SetBatchRequest(const BatchRequest& request) {
    session.request = request;
    SetQuietMessages(&session.boxTexts);
}

bool BatchRequested() {
    return session.request.requested;
}

void RunBatch() {
    // Once, and only for a batch the command line asked for.
    if (!BatchRequested() || session.started) return;
    session.started = true;
    BatchConsole console;
    WindowsFolderReader reader;
    std::vector<std::string> sources;
    if (session.request.refusal == BatchRefusal::None) {
        sources = ExpandBatchInputs(session.request.inputs, reader, IsLeadByte);
        if (sources.empty()) session.request.refusal = BatchRefusal::NothingToDo;
    }
    if (session.request.refusal == BatchRefusal::None)
        SaveAll(console, sources);
    else
        Refuse(console);
    const std::string report = BatchReportPath(session.request, sources, reader, IsLeadByte);
    if (!report.empty() && !WriteLines(report, session.lines))
        console.WriteLine(std::string(Reason(BatchReason::ReportNotWritten)) + ": " + report);
    if (IsWindow(mainWindow)) DestroyWindow(mainWindow);
}

int BatchExitStatus() {
    return session.exitCode;
}

}  // namespace lomvex
