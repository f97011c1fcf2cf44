// Splitting and reading a batch save's command line.
#include "shell/batch_command_line.h"

namespace lomvex {
namespace {

char UpperLetter(const std::string& option) {
    const char c = option.size() > 1 ? option[1] : '\0';
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

bool IsOption(const std::string& argument) {
    return !argument.empty() && argument[0] == '/';
}

// The value of "/Xvalue", or of "/X value" (the next argument, which is
// then taken); empty when there is none.
std::string OptionValue(const std::vector<std::string>& arguments, std::size_t& k) {
    const std::string& option = arguments[k];
    if (option.size() > 2) return option.substr(2);
    if (k + 1 < arguments.size() && !IsOption(arguments[k + 1])) return arguments[++k];
    return std::string();
}

void Refuse(BatchRequest& batch, BatchRefusal refusal, const std::string& argument) {
    if (batch.refusal != BatchRefusal::None) return;  // the first refusal is the one reported
    batch.refusal = refusal;
    batch.refusedArgument = argument;
}

void ApplyOutputFolder(BatchRequest& batch, const std::string& folder) {
    if (folder.empty())
        Refuse(batch, BatchRefusal::MissingFolder, "/O");
    else if (folder.size() >= kPathBufferSize)
        Refuse(batch, BatchRefusal::FolderTooLong, folder);
    else
        batch.outputFolder = folder;
}

void ApplyChannel(BatchRequest& batch, const std::string& value) {
    if (value.size() == 1 && value[0] >= '0' && value[0] <= '3')
        batch.channelOperation = value[0] - '0';
    else
        Refuse(batch, BatchRefusal::BadChannel, "/C " + value);
}

}  // namespace

bool AsksForBatch(const std::vector<std::string>& arguments) {
    for (std::size_t k = 1; k < arguments.size(); ++k)
        if (arguments[k].size() == 2 && IsOption(arguments[k]) && UpperLetter(arguments[k]) == 'S')
            return true;
    return false;
}

std::vector<std::string> SplitBatchCommandLine(const std::string& text) {
    std::vector<std::string> arguments;
    std::string current;
    bool inArgument = false, inQuotes = false;
    for (char c : text) {
        if (c == '"') {
            inQuotes = !inQuotes;
            inArgument = true;
        } else if (c == ' ' && !inQuotes) {
            if (inArgument) arguments.push_back(current);
            current.clear();
            inArgument = false;
        } else {
            current += c;
            inArgument = true;
        }
    }
    if (inArgument) arguments.push_back(current);
    return arguments;
}

CommandLineOptions ApplyBatchArguments(const std::vector<std::string>& arguments) {
    CommandLineOptions options;
    BatchRequest& batch = options.batch;
    for (std::size_t k = 1; k < arguments.size(); ++k) {
        const std::string& argument = arguments[k];
        if (!IsOption(argument)) {
            if (!argument.empty()) batch.inputs.push_back(argument);
            continue;
        }
        switch (UpperLetter(argument)) {
            case 'S':
                if (argument.size() == 2)
                    batch.requested = true;
                else
                    Refuse(batch, BatchRefusal::UnknownOption, argument);
                break;
            case 'O':
                ApplyOutputFolder(batch, OptionValue(arguments, k));
                break;
            case 'C':
                ApplyChannel(batch, OptionValue(arguments, k));
                break;
            case 'E':
                options.english = true;
                break;
            case 'P':
                Refuse(batch, BatchRefusal::WithAutoPlay, argument);
                break;
            default:
                if (uint32_t rate = RecordRateOption(argument))
                    options.recordRate = rate;
                else
                    Refuse(batch, BatchRefusal::UnknownOption, argument);
                break;
        }
    }
    if (batch.inputs.empty()) Refuse(batch, BatchRefusal::NothingToDo, std::string());
    return options;
}

CommandLineOptions ReadCommandLine(const std::string& text, LeadByteTest isLeadByte) {
    const std::vector<std::string> arguments = ParseCommandLine(text, isLeadByte);
    if (AsksForBatch(arguments)) return ApplyBatchArguments(SplitBatchCommandLine(text));
    return ApplyArguments(arguments);
}

}  // namespace lomvex
