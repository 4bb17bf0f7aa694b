#include "game_folder.h"

#include <vector>

namespace driver {
namespace {

std::string TempFolder() {
    char temp[MAX_PATH] = {};
    const DWORD length = GetTempPathA(MAX_PATH, temp);
    return length == 0 || length >= MAX_PATH ? std::string() : std::string(temp, length);
}

// A new folder under the temp folder, named for this process; empty when none could be made.
std::string NewScratchFolder() {
    const std::string temp = TempFolder();
    if (temp.empty()) return std::string();
    static unsigned serial = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string candidate = temp + "roomname-e2e-" +
                                      std::to_string(GetCurrentProcessId()) + "-" +
                                      std::to_string(++serial);
        if (CreateDirectoryA(candidate.c_str(), nullptr)) return candidate;
    }
    return std::string();
}

bool WriteFileBytes(const std::string& path, const std::string& bytes) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                              nullptr) &&
                    written == bytes.size();
    CloseHandle(file);
    return ok;
}

bool MakeScriptsFolder(const std::string& game) {
    std::string path = game;
    for (const char* part : {"\\rez", "\\UI", "\\Scripts"}) {
        path += part;
        if (!CreateDirectoryA(path.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
            return false;
    }
    return true;
}

}  // namespace

GameFolder::GameFolder(const std::string& leaf) : root_(NewScratchFolder()) {
    if (root_.empty()) return;
    const std::string path = root_ + "\\" + leaf;
    if (CreateDirectoryA(path.c_str(), nullptr)) path_ = path;
}

GameFolder::~GameFolder() {
    if (!root_.empty()) RemoveTree(root_);
}

bool GameFolder::WriteRoomName(const std::string& bytes) const {
    return Valid() && MakeScriptsFolder(path_) && WriteFileBytes(RoomNameFile(), bytes);
}

bool GameFolder::MakeFolderInPlaceOfFile() const {
    return Valid() && MakeScriptsFolder(path_) &&
           CreateDirectoryA(RoomNameFile().c_str(), nullptr);
}

std::optional<std::string> ReadBytes(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    std::string bytes;
    char buffer[4096];
    DWORD got = 0;
    bool ok = true;
    while ((ok = ReadFile(file, buffer, sizeof buffer, &got, nullptr) != 0) && got > 0)
        bytes.append(buffer, got);
    CloseHandle(file);
    if (!ok) return std::nullopt;
    return bytes;
}

DWORD ReadOnlyAttributesAsStored() {
    const std::string folder = NewScratchFolder();
    if (folder.empty()) return INVALID_FILE_ATTRIBUTES;
    const std::string probe = folder + "\\probe.txt";
    DWORD attributes = INVALID_FILE_ATTRIBUTES;
    if (WriteFileBytes(probe, "probe") &&
        SetFileAttributesA(probe.c_str(), FILE_ATTRIBUTE_READONLY)) {
        attributes = GetFileAttributesA(probe.c_str());
    }
    RemoveTree(folder);
    return attributes;
}

void RemoveTree(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return;
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        DeleteFileA(path.c_str());
        return;
    }
    std::vector<std::string> entries;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((path + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = found.cFileName;
            if (name != "." && name != "..") entries.push_back(path + "\\" + name);
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    for (const std::string& entry : entries) RemoveTree(entry);
    RemoveDirectoryA(path.c_str());
}

}  // namespace driver
