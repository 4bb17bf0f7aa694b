// Scratch files for the Windows tests: a folder of the test's own under the temp folder, removed
// with everything in it, and the byte-level helpers the tests set up and check real files with.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace scratch {

constexpr char kTestPrefix[] = "roomname-test-";

// A new folder under the temp folder, named `prefix`, this process and a serial; empty when none
// could be made. The caller removes it.
std::string NewFolder(const char* prefix);

// A NewFolder removed whole when it goes.
class Dir {
  public:
    explicit Dir(const char* prefix = kTestPrefix);
    ~Dir();
    Dir(const Dir&) = delete;
    Dir& operator=(const Dir&) = delete;

    bool Valid() const { return !path_.empty(); }
    // The directory's path, without a closing backslash.
    const std::string& Path() const { return path_; }
    std::string Join(const std::string& name) const { return path_ + "\\" + name; }

  private:
    std::string path_;
};

// Creates or replaces a file holding exactly `bytes`.
bool WriteBytes(const std::string& path, const std::string& bytes);
std::optional<std::string> ReadBytes(const std::string& path);
// Removes a file or a directory tree, read-only or not.
void RemoveTree(const std::string& path);

// The attributes this system reads back from a file after SetFileAttributesA(READONLY) (Wine
// adds ARCHIVE where Windows may not), found on a probe file of the temp folder;
// INVALID_FILE_ATTRIBUTES if none could be made.
DWORD ReadOnlyAttributesAsStored();

// A handle the test holds open on a file, closed when it goes.
class HeldOpen {
  public:
    HeldOpen(const std::string& path, DWORD access, DWORD share);
    ~HeldOpen();
    HeldOpen(const HeldOpen&) = delete;
    HeldOpen& operator=(const HeldOpen&) = delete;
    bool Valid() const { return handle_ != INVALID_HANDLE_VALUE; }

  private:
    HANDLE handle_;
};

}  // namespace scratch
