// Which files a batch saves and where each goes: the inputs given, each
// folder replaced by the files directly inside it that the program can
// open (by name, case-blind), the output path of each and the report's
// place. The file system is asked through FolderReader, so the rules run
// on a made-up listing in tests.
#pragma once

#include <string>
#include <vector>

#include "shell/batch_request.h"
#include "shell/file_names.h"

namespace lomvex {

struct FolderEntry {
    std::string name;  // the name alone, without the folder
    bool isFolder = false;
};

class FolderReader {
   public:
    virtual ~FolderReader() = default;
    virtual bool IsFolder(const std::string& path) = 0;
    // What the folder holds, in any order ("." and ".." left out).
    virtual std::vector<FolderEntry> List(const std::string& folder) = 0;
};

// The file name endings the program opens: .WAV, .MP3, .RMP and .OGG.
bool IsOpenableName(const std::string& name);

// Orders names as a person reads a listing: letters A-Z without regard to
// case, double-byte characters byte for byte, then shorter first.
bool NameBefore(const std::string& a, const std::string& b,
                LeadByteTest isLeadByte = IsShiftJisLeadByte);

// `folder` and `name` with one "\" between them; a trail byte 0x5C at the
// folder's end is part of a character, not a separator.
std::string JoinPath(const std::string& folder, const std::string& name,
                     LeadByteTest isLeadByte = IsShiftJisLeadByte);

// The folder part of a path: all before its last "\", "/" or ":" (the
// separator dropped, unless the folder is a root: "\", "C:", "C:\");
// empty for a bare name.
std::string FolderOfPath(const std::string& path, LeadByteTest isLeadByte = IsShiftJisLeadByte);

// The files to save, in order: each given file as it is (also one that
// does not exist: its failure is reported), each given folder's openable
// files by name. Sub-folders are not entered.
std::vector<std::string> ExpandBatchInputs(const std::vector<std::string>& given,
                                           FolderReader& reader,
                                           LeadByteTest isLeadByte = IsShiftJisLeadByte);

// Where the backing track of `source` goes: the name the Save command
// proposes for it ("song_MO.WAV", "song.mp3_MO.WAV"), in `outputFolder`, or
// beside the source when that is empty. Empty when it would not fit the
// path buffer.
std::string BatchOutputPath(const std::string& source, const std::string& outputFolder,
                            LeadByteTest isLeadByte = IsShiftJisLeadByte);

// The folders to make, outermost first, so that `folder` exists: each
// part up to a "\" or "/" (never a trail byte), then the folder itself.
std::vector<std::string> FolderChain(const std::string& folder,
                                     LeadByteTest isLeadByte = IsShiftJisLeadByte);

constexpr char kBatchReportName[] = "lomvex-batch.txt";

// The report's path: in the output folder, or beside the first source; for
// a batch with no source, inside the first folder given or beside the
// first file given. Empty when there is no place for it.
std::string BatchReportPath(const BatchRequest& request, const std::vector<std::string>& sources,
                            FolderReader& reader, LeadByteTest isLeadByte = IsShiftJisLeadByte);

}  // namespace lomvex
