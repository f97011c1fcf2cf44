// A batch save asked for on the command line: "/S [/O folder] [/C n]
// file-or-folder ...". Its command line is split by its own rules (see
// SplitBatchCommandLine), so that many paths, each quoted or not, can
// follow the options.
#pragma once

#include <string>
#include <vector>

namespace lomvex {

// Why a batch's arguments are refused (exit code 2, with the usage line).
enum class BatchRefusal {
    None,
    WithAutoPlay,   // "/P" and "/S" together
    MissingFolder,  // "/O" with no folder after it
    FolderTooLong,  // the "/O" folder does not fit the path buffer
    BadChannel,     // "/C" not followed by 0, 1, 2 or 3
    UnknownOption,  // an option the program does not know
    NothingToDo,    // no input given, or none found in the folders given
};

// "/C n": 0 nothing, 1 balance adjust, 2 L+R, 3 L-R (the default).
constexpr int kBatchChannelNothing = 0;
constexpr int kBatchChannelMinusOne = 3;

struct BatchRequest {
    bool requested = false;           // "/S" was given
    std::vector<std::string> inputs;  // files and folders, in the order given
    std::string outputFolder;         // "/O": empty for beside each source
    int channelOperation = kBatchChannelMinusOne;
    BatchRefusal refusal = BatchRefusal::None;
    std::string refusedArgument;  // the argument refused, where one was
};

}  // namespace lomvex
