// Folder listings, folders, the report file and the console of a batch.
#include "shell/win32/batch_files.h"

#include "shell/win32/main_window.h"

namespace lomvex {

bool WindowsFolderReader::IsFolder(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::vector<FolderEntry> WindowsFolderReader::List(const std::string& folder) {
    std::vector<FolderEntry> entries;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(JoinPath(folder, "*", IsLeadByte).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return entries;
    do {
        const std::string name = found.cFileName;
        if (name == "." || name == "..") continue;
        entries.push_back({name, (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return entries;
}

bool MakeFolder(const std::string& folder) {
    // Parts that exist already, or cannot be made, are judged at the end.
    for (const std::string& part : FolderChain(folder, IsLeadByte))
        CreateDirectoryA(part.c_str(), nullptr);
    WindowsFolderReader reader;
    return reader.IsFolder(folder);
}

bool WriteLines(const std::string& path, const std::vector<std::string>& lines) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    DWORD written = 0;
    const bool complete =
        WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
        written == text.size();
    return CloseHandle(file) && complete;
}

BatchConsole::~BatchConsole() {
    if (ownsHandle_) CloseHandle(output_);
}

void BatchConsole::Open() {
    opened_ = true;
    HANDLE given = GetStdHandle(STD_OUTPUT_HANDLE);
    if (given != nullptr && given != INVALID_HANDLE_VALUE) {
        const DWORD type = GetFileType(given);
        if (type == FILE_TYPE_DISK || type == FILE_TYPE_PIPE) {
            output_ = given;
            return;
        }
    }
    if (!AttachConsole(ATTACH_PARENT_PROCESS)) return;
    output_ = CreateFileA("CONOUT$", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                          OPEN_EXISTING, 0, nullptr);
    ownsHandle_ = output_ != INVALID_HANDLE_VALUE;
}

void BatchConsole::WriteLine(const std::string& line) {
    if (!opened_) Open();
    if (output_ == INVALID_HANDLE_VALUE) return;
    const std::string text = line + "\r\n";
    DWORD written = 0;
    WriteFile(output_, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

}  // namespace lomvex
