// The batch save's command line.
//
// Splitting rules of a batch's command line: arguments are separated by
// spaces outside double quotes; every double quote toggles quoting and is
// dropped (a Windows path holds no quote, so a backslash never escapes one
// and "C:\out\" ends where it seems to). Neither space nor quote is ever a
// trail byte of a double-byte character, so Shift-JIS paths pass unchanged,
// trail bytes 0x5C and all. There is no limit on the number of arguments.
#pragma once

#include <string>
#include <vector>

#include "shell/command_line.h"

namespace lomvex {

// True when one of arguments 1 onward (split by the program's usual rules)
// is "/S" in either case: the command line asks for a batch save.
bool AsksForBatch(const std::vector<std::string>& arguments);

// Splits the whole command line (program path first) by the batch rules.
std::vector<std::string> SplitBatchCommandLine(const std::string& text);

// Applies batch arguments 1 onward: "/S", "/O folder" (or "/Ofolder"),
// "/C n" (or "/Cn"), "/E" and the record rates keep their meaning, "/P" is
// refused, any other option is refused, every other argument is an input.
// Paths too long for the path buffer are left to the batch, which reports
// each as a failed input.
CommandLineOptions ApplyBatchArguments(const std::vector<std::string>& arguments);

// The options of a whole command line: the batch rules when it asks for a
// batch, else the program's usual ones.
CommandLineOptions ReadCommandLine(const std::string& text,
                                   LeadByteTest isLeadByte = IsShiftJisLeadByte);

}  // namespace lomvex
