// The Japanese texts of the batch save's report and console lines
// (Shift-JIS bytes, kept in batch_texts_ja.cpp); the English ones are in
// batch_report.cpp.
#pragma once

namespace lomvex::ja {

extern const char kBatchSavedFormat[];      // input, output, length
extern const char kBatchSavedNoteFormat[];  // input, output, length, note
extern const char kBatchFailedFormat[];     // input, reason
extern const char kBatchSummaryFormat[];    // saved count, failed count
extern const char kBatchUsage[];
extern const char kBatchStoppedByClose[];
extern const char kBatchStoppedByStop[];
extern const char kBatchNotReached[];
extern const char kBatchSaveFailed[];
extern const char kBatchPathTooLong[];
extern const char kBatchOutputPathTooLong[];
extern const char kBatchOutputFolderFailed[];
extern const char kBatchOutputTaken[];
extern const char kBatchOutputIsASource[];
extern const char kBatchReportNotWritten[];
extern const char kBatchWithAutoPlay[];
extern const char kBatchMissingFolder[];
extern const char kBatchFolderTooLongFormat[];  // the folder
extern const char kBatchBadChannelFormat[];     // the argument
extern const char kBatchUnknownOptionFormat[];  // the option
extern const char kBatchNothingToDo[];

}  // namespace lomvex::ja
