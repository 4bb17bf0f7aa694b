// The room-name file's operations on real files, with ANSI (GBK) paths.
#pragma once

#include <memory>
#include <string>

#include "roomname/files.h"

namespace app {

// Opens share reading and writing but never deletion, so while a handle is open other programs
// can still read and write the file but cannot delete or rename it.
class Win32Files : public roomname::Files {
  public:
    std::unique_ptr<roomname::File> OpenRead(const std::string& path) override;
    std::unique_ptr<roomname::File> OpenUpdate(const std::string& path) override;
    bool GetAttributes(const std::string& path, uint32_t* attributes) override;
    bool SetAttributes(const std::string& path, uint32_t attributes) override;
};

}  // namespace app
