#include "tests/support/scratch_files.h"

#include <vector>

namespace scratch {

std::string NewFolder(const char* prefix) {
    char temp[MAX_PATH] = {};
    const DWORD length = GetTempPathA(MAX_PATH, temp);
    if (length == 0 || length >= MAX_PATH) return std::string();
    static unsigned serial = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string candidate = std::string(temp, length) + prefix +
                                      std::to_string(GetCurrentProcessId()) + "-" +
                                      std::to_string(++serial);
        if (CreateDirectoryA(candidate.c_str(), nullptr)) return candidate;
    }
    return std::string();
}

Dir::Dir(const char* prefix) : path_(NewFolder(prefix)) {}

Dir::~Dir() {
    if (Valid()) RemoveTree(path_);
}

bool WriteBytes(const std::string& path, const std::string& bytes) {
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

std::optional<std::string> ReadBytes(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    std::string bytes;
    char buffer[4096];
    DWORD got = 0;
    bool ok = true;
    while ((ok = ReadFile(file, buffer, sizeof buffer, &got, nullptr) != 0) && got > 0) {
        bytes.append(buffer, got);
    }
    CloseHandle(file);
    if (!ok) return std::nullopt;
    return bytes;
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

DWORD ReadOnlyAttributesAsStored() {
    const Dir dir;
    if (!dir.Valid()) return INVALID_FILE_ATTRIBUTES;
    const std::string probe = dir.Join("probe.txt");
    if (!WriteBytes(probe, "probe") || !SetFileAttributesA(probe.c_str(), FILE_ATTRIBUTE_READONLY))
        return INVALID_FILE_ATTRIBUTES;
    return GetFileAttributesA(probe.c_str());
}

HeldOpen::HeldOpen(const std::string& path, DWORD access, DWORD share)
    : handle_(CreateFileA(path.c_str(), access, share, nullptr, OPEN_EXISTING,
                          FILE_ATTRIBUTE_NORMAL, nullptr)) {}

HeldOpen::~HeldOpen() {
    if (Valid()) CloseHandle(handle_);
}

}  // namespace scratch
