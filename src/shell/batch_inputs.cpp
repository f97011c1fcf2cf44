// The batch's inputs, output paths and report path.
#include "shell/batch_inputs.h"

#include <algorithm>

namespace lomvex {
namespace {

unsigned char Byte(char c) {
    return static_cast<unsigned char>(c);
}

char UpperAscii(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

bool IsSeparator(char c) {
    return c == '\\' || c == '/' || c == ':';
}

// The position after the last separator that is not a trail byte; 0 when
// there is none.
std::size_t AfterLastSeparator(const std::string& path, LeadByteTest isLeadByte) {
    std::size_t after = 0;
    for (std::size_t at = 0; at < path.size(); ++at) {
        if (isLeadByte(Byte(path[at])) && at + 1 < path.size()) {
            ++at;
            continue;
        }
        if (IsSeparator(path[at])) after = at + 1;
    }
    return after;
}

}  // namespace

bool IsOpenableName(const std::string& name) {
    if (name.size() < 4) return false;
    std::string ending;
    for (std::size_t i = name.size() - 4; i < name.size(); ++i) ending += UpperAscii(name[i]);
    return ending == ".WAV" || ending == ".MP3" || ending == ".RMP" || ending == ".OGG";
}

bool NameBefore(const std::string& a, const std::string& b, LeadByteTest isLeadByte) {
    std::size_t i = 0;
    bool trail = false;  // a[i] and b[i] follow a lead byte both had at the same place
    for (; i < a.size() && i < b.size(); ++i) {
        const char x = trail ? a[i] : UpperAscii(a[i]);
        const char y = trail ? b[i] : UpperAscii(b[i]);
        if (x != y) return Byte(x) < Byte(y);
        trail = !trail && isLeadByte(Byte(a[i]));
    }
    return a.size() < b.size();
}

std::string JoinPath(const std::string& folder, const std::string& name, LeadByteTest isLeadByte) {
    if (folder.empty()) return name;
    const bool endsWithSeparator = AfterLastSeparator(folder, isLeadByte) == folder.size();
    return endsWithSeparator ? folder + name : folder + "\\" + name;
}

std::string FolderOfPath(const std::string& path, LeadByteTest isLeadByte) {
    std::size_t after = AfterLastSeparator(path, isLeadByte);
    if (after == 0) return std::string();
    // A root ("\", "C:", "C:\") keeps its last character: "C:" alone is the
    // drive's current folder, not its root.
    const bool root = after == 1 || path[after - 1] == ':' || path[after - 2] == ':';
    return path.substr(0, root ? after : after - 1);
}

std::vector<std::string> ExpandBatchInputs(const std::vector<std::string>& given,
                                           FolderReader& reader, LeadByteTest isLeadByte) {
    std::vector<std::string> sources;
    for (const std::string& input : given) {
        if (!reader.IsFolder(input)) {
            sources.push_back(input);
            continue;
        }
        std::vector<std::string> names;
        for (const FolderEntry& entry : reader.List(input))
            if (!entry.isFolder && IsOpenableName(entry.name)) names.push_back(entry.name);
        std::sort(names.begin(), names.end(), [&](const std::string& a, const std::string& b) {
            return NameBefore(a, b, isLeadByte);
        });
        for (const std::string& name : names) sources.push_back(JoinPath(input, name, isLeadByte));
    }
    return sources;
}

std::string BatchOutputPath(const std::string& source, const std::string& outputFolder,
                            LeadByteTest isLeadByte) {
    // The name is made from the file title alone, so a ".WAV" in a folder
    // name never cuts the path.
    const std::string title = source.substr(AfterLastSeparator(source, isLeadByte));
    const std::string name = DefaultSaveName(title, title, 0x0400, isLeadByte);
    const std::string folder =
        outputFolder.empty() ? FolderOfPath(source, isLeadByte) : outputFolder;
    const std::string path = JoinPath(folder, name, isLeadByte);
    return name.empty() || path.size() >= kPathBufferSize ? std::string() : path;
}

std::vector<std::string> FolderChain(const std::string& folder, LeadByteTest isLeadByte) {
    std::vector<std::string> chain;
    // A part ends at a separator that follows a name: not at the root's
    // "\" after "C:", not at the second of two separators.
    bool afterName = false;
    for (std::size_t at = 0; at < folder.size(); ++at) {
        if (isLeadByte(Byte(folder[at])) && at + 1 < folder.size()) {
            ++at;
            afterName = true;
            continue;
        }
        const char c = folder[at];
        if ((c == '\\' || c == '/') && afterName) chain.push_back(folder.substr(0, at));
        afterName = !IsSeparator(c);
    }
    if (afterName) chain.push_back(folder);
    return chain;
}

std::string BatchReportPath(const BatchRequest& request, const std::vector<std::string>& sources,
                            FolderReader& reader, LeadByteTest isLeadByte) {
    std::string folder;
    if (!request.outputFolder.empty())
        folder = request.outputFolder;
    else if (!sources.empty())
        folder = FolderOfPath(sources.front(), isLeadByte);
    else if (!request.inputs.empty())
        folder = reader.IsFolder(request.inputs.front())
                     ? request.inputs.front()
                     : FolderOfPath(request.inputs.front(), isLeadByte);
    else
        return std::string();
    const std::string path = JoinPath(folder, kBatchReportName, isLeadByte);
    return path.size() < kPathBufferSize ? path : std::string();
}

}  // namespace lomvex
