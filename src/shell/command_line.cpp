// Command-line splitting and the options it carries.
#include "shell/command_line.h"

namespace lomvex {
namespace {

// Marks the trail bytes of `text`: the byte after each lead byte, scanning
// from the start.
std::vector<bool> TrailBytes(const std::string& text, LeadByteTest isLeadByte) {
    std::vector<bool> trail(text.size(), false);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (isLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size()) {
            trail[i + 1] = true;
            ++i;
        }
    }
    return trail;
}

class Splitter {
   public:
    Splitter(const std::string& text, LeadByteTest isLeadByte)
        : text_(text), trail_(TrailBytes(text, isLeadByte)) {}

    std::vector<std::string> Split() {
        std::vector<std::string> arguments;
        std::size_t at = SkipSpaces(0);
        bool inQuotes = false;
        while (at < text_.size() && arguments.size() < kMaxArguments) {
            const std::size_t start = at;
            const bool endsAtSpace = arguments.empty() || text_[start] == '/';
            for (; at < text_.size(); ++at) {
                if (trail_[at]) continue;
                const char c = text_[at];
                if (c == '"') {
                    if (!EscapedQuote(at)) inQuotes = !inQuotes;
                } else if (!inQuotes && ((c == '/' && at != start) || (c == ' ' && endsAtSpace))) {
                    break;
                }
            }
            arguments.push_back(Copy(start, at));
            at = SkipSpaces(at);
        }
        return arguments;
    }

   private:
    bool IsPlain(std::size_t at, char c) const { return !trail_[at] && text_[at] == c; }

    // A quote with a backslash before it that is not a trail byte.
    bool EscapedQuote(std::size_t at) const { return at > 0 && IsPlain(at - 1, '\\'); }

    std::size_t SkipSpaces(std::size_t at) const {
        while (at < text_.size() && text_[at] == ' ') ++at;
        return at;
    }

    // The argument's bytes without its quotes, without the backslashes that
    // escape a quote (the escaped quote stays) and without trailing spaces.
    std::string Copy(std::size_t start, std::size_t end) const {
        std::string argument;
        for (std::size_t i = start; i < end; ++i) {
            if (IsPlain(i, '\\') && i + 1 < end && text_[i + 1] == '"') continue;
            if (IsPlain(i, '"') && !EscapedQuote(i)) continue;
            argument += text_[i];
        }
        while (!argument.empty() && argument.back() == ' ') argument.pop_back();
        return argument;
    }

    const std::string& text_;
    const std::vector<bool> trail_;
};

}  // namespace

uint32_t RecordRateOption(const std::string& option) {
    const char second = option.size() > 1 ? option[1] : '\0';
    switch (second) {
        case '9':
            return 88200;
        case '6':
            return 64000;
        case '5':
            return 48000;
        case '4':
            return 44100;
        case '3':
            return 32000;
        case '2':
            return 22050;
        case '8':
            return 8000;
        case '1': {
            const char third = option.size() > 2 ? option[2] : '\0';
            if (third == '2') return 12000;
            if (third == '6') return 16000;
            return 11025;
        }
        default:
            return 0;
    }
}

std::vector<std::string> ParseCommandLine(const std::string& text, LeadByteTest isLeadByte) {
    return Splitter(text, isLeadByte).Split();
}

CommandLineOptions ApplyArguments(const std::vector<std::string>& arguments) {
    CommandLineOptions options;
    for (std::size_t k = 1; k < arguments.size(); ++k) {
        const std::string& argument = arguments[k];
        if (argument.empty() || argument[0] != '/') {
            if (argument.size() < kPathBufferSize)
                options.filePath = argument;
            else
                options.filePathRefused = true;
            continue;
        }
        const char letter = argument.size() > 1 ? argument[1] : '\0';
        if (letter == 'E' || letter == 'e') {
            options.english = true;
        } else if (letter == 'P' || letter == 'p') {
            options.autoPlayClose = true;
        } else if (uint32_t rate = RecordRateOption(argument)) {
            options.recordRate = rate;
        }
    }
    return options;
}

}  // namespace lomvex
