// The shell's folder picker and the existence test.
#pragma once

#include <optional>
#include <string>

#include "roomname/shell.h"

namespace app {

// PickFolder needs COM (OleInitialize) on the calling thread.
class Win32Shell : public roomname::Shell {
  public:
    std::optional<std::string> PickFolder(const std::string& instruction) override;
    bool PathExists(const std::string& path) override;
};

}  // namespace app
