// The command line: splitting the full command line (program path first)
// into at most 15 arguments, and what arguments 1 onward ask for.
//
// Splitting rules: a double quote toggles quoting unless a backslash stands
// before it (that backslash is dropped and the quote kept). Outside quotes
// every "/" begins a new argument, and a space ends the program path and
// any argument that begins with "/"; so a file path may follow the program
// path unquoted, spaces and all. Spaces between arguments are skipped,
// trailing spaces and the quotes are dropped. A backslash that is the trail
// byte of a double-byte character is an ordinary byte and escapes nothing.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "shell/batch_request.h"
#include "shell/file_names.h"

namespace lomvex {

constexpr std::size_t kMaxArguments = 15;

std::vector<std::string> ParseCommandLine(const std::string& text,
                                          LeadByteTest isLeadByte = IsShiftJisLeadByte);

struct CommandLineOptions {
    std::string filePath;          // the last argument without "/", if any
    bool filePathRefused = false;  // a path argument did not fit the 260-byte buffer
    bool english = false;          // "/E": English texts even on a Japanese system
    bool autoPlayClose = false;    // "/P": play the file at start, close at its end
    uint32_t recordRate = 0;       // a record-rate option's rate in Hz; 0 when none
    BatchRequest batch;            // "/S": the batch save asked for, if any
};

// The record rate an option asks for, judged by its second character (and
// for "1" its third); 0 when the option is not a rate.
uint32_t RecordRateOption(const std::string& option);

// Applies arguments 1 onward (argument 0, the program path, is skipped). A
// path argument too long for the 260-character path buffer is not taken: it
// leaves the earlier path, if any, and sets filePathRefused.
CommandLineOptions ApplyArguments(const std::vector<std::string>& arguments);

}  // namespace lomvex
