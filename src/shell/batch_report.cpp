// The batch save's texts and exit code.
#include "shell/batch_report.h"

#include <cstdio>

#include "shell/batch_texts.h"

namespace lomvex {
namespace {

// A printf format and its arguments, without the 256-byte limit of the
// message texts: paths and notes may together be longer.
template <typename... Args>
std::string Format(const char* format, Args... args) {
    int size = std::snprintf(nullptr, 0, format, args...);
    if (size <= 0) return std::string();
    std::string text(static_cast<std::size_t>(size) + 1, '\0');
    std::snprintf(text.data(), text.size(), format, args...);
    text.resize(static_cast<std::size_t>(size));
    return text;
}

// The texts joined by "; ", every line break (CR, LF) a single space.
std::string JoinedOnOneLine(const std::vector<std::string>& texts) {
    std::string joined;
    for (const std::string& text : texts) {
        if (!joined.empty()) joined += "; ";
        bool lastWasBreak = false;
        for (char c : text) {
            const bool isBreak = c == '\r' || c == '\n';
            if (isBreak && !lastWasBreak) joined += ' ';
            if (!isBreak) joined += c;
            lastWasBreak = isBreak;
        }
    }
    while (!joined.empty() && joined.back() == ' ') joined.pop_back();
    return joined;
}

}  // namespace

std::string BatchWindowTitle(std::size_t index, std::size_t count, const std::string& fileTitle) {
    return Format("Lomvex - %u/%u %s", static_cast<unsigned>(index), static_cast<unsigned>(count),
                  fileTitle.c_str());
}

std::string SoundLengthText(uint32_t dataBytes, uint32_t bytesPerSecond) {
    const uint64_t tenths = bytesPerSecond ? uint64_t{dataBytes} * 10 / bytesPerSecond : 0;
    return Format("%u:%02u.%u", static_cast<unsigned>(tenths / 600),
                  static_cast<unsigned>(tenths / 10 % 60), static_cast<unsigned>(tenths % 10));
}

std::string SavedLine(const std::string& input, const std::string& output,
                      const std::string& length, const std::vector<std::string>& notes,
                      bool japanese) {
    if (notes.empty())
        return Format(japanese ? ja::kBatchSavedFormat : "saved  %s -> %s (%s)", input.c_str(),
                      output.c_str(), length.c_str());
    return Format(japanese ? ja::kBatchSavedNoteFormat : "saved  %s -> %s (%s) note: %s",
                  input.c_str(), output.c_str(), length.c_str(), JoinedOnOneLine(notes).c_str());
}

std::string FailedLine(const std::string& input, const std::vector<std::string>& reasons,
                       bool japanese) {
    return Format(japanese ? ja::kBatchFailedFormat : "failed %s: %s", input.c_str(),
                  JoinedOnOneLine(reasons).c_str());
}

std::string SummaryLine(unsigned saved, unsigned failed, bool japanese) {
    return Format(japanese ? ja::kBatchSummaryFormat : "%u saved, %u failed", saved, failed);
}

const char* BatchReasonText(BatchReason reason, bool japanese) {
    switch (reason) {
        case BatchReason::StoppedByClose:
            return japanese ? ja::kBatchStoppedByClose : "stopped: the window was closed";
        case BatchReason::StoppedByStop:
            return japanese ? ja::kBatchStoppedByStop : "stopped by the Stop button";
        case BatchReason::NotReached:
            return japanese ? ja::kBatchNotReached : "not saved: the batch was stopped";
        case BatchReason::SaveFailed:
            return japanese ? ja::kBatchSaveFailed : "the save failed";
        case BatchReason::PathTooLong:
            return japanese ? ja::kBatchPathTooLong : "the path is too long";
        case BatchReason::OutputPathTooLong:
            return japanese ? ja::kBatchOutputPathTooLong : "the output path is too long";
        case BatchReason::OutputFolderFailed:
            return japanese ? ja::kBatchOutputFolderFailed : "the output folder cannot be made";
        case BatchReason::OutputTaken:
            return japanese ? ja::kBatchOutputTaken
                            : "an earlier file of this batch was saved to the same name";
        case BatchReason::OutputIsASource:
            return japanese ? ja::kBatchOutputIsASource
                            : "the output would replace a source of this batch";
        case BatchReason::ReportNotWritten:
            return japanese ? ja::kBatchReportNotWritten : "the report cannot be written";
    }
    return "";
}

std::vector<std::string> RefusalLines(const BatchRequest& request, bool japanese) {
    const char* argument = request.refusedArgument.c_str();
    std::string refusal;
    switch (request.refusal) {
        case BatchRefusal::None:
            break;
        case BatchRefusal::WithAutoPlay:
            refusal = japanese ? ja::kBatchWithAutoPlay : "/P cannot be used with /S";
            break;
        case BatchRefusal::MissingFolder:
            refusal = japanese ? ja::kBatchMissingFolder : "/O needs the output folder after it";
            break;
        case BatchRefusal::FolderTooLong:
            refusal = Format(japanese ? ja::kBatchFolderTooLongFormat
                                      : "the output folder's path is too long: %s",
                             argument);
            break;
        case BatchRefusal::BadChannel:
            refusal = Format(japanese ? ja::kBatchBadChannelFormat : "/C takes 0, 1, 2 or 3: %s",
                             argument);
            break;
        case BatchRefusal::UnknownOption:
            refusal =
                Format(japanese ? ja::kBatchUnknownOptionFormat : "unknown option: %s", argument);
            break;
        case BatchRefusal::NothingToDo:
            refusal = japanese ? ja::kBatchNothingToDo : "nothing to save";
            break;
    }
    const char* usage =
        japanese ? ja::kBatchUsage : "usage: lomvex.exe /S [/O folder] [/C n] file-or-folder ...";
    std::vector<std::string> lines;
    if (!refusal.empty()) lines.push_back(refusal);
    lines.push_back(usage);
    return lines;
}

int BatchExitCode(unsigned saved, unsigned failed) {
    if (saved + failed == 0) return kBatchRefused;
    return failed ? kBatchSomeFailed : kBatchAllSaved;
}

}  // namespace lomvex
