// A directory of the test's own under the temp folder, removed with everything in it, and the
// byte-level file helpers the tests check real files with.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace scratch {

class Dir {
  public:
    Dir();
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
