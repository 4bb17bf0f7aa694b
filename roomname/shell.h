// The shell's folder picker and the existence test.
#pragma once

#include <optional>
#include <string>

namespace roomname {

class Shell {
  public:
    virtual ~Shell() = default;
    // Shows the modal folder picker. nullopt when the user cancelled; "" when the chosen item has
    // no file-system path (the computer, the network); otherwise the folder's path.
    virtual std::optional<std::string> PickFolder(const std::string& instruction) = 0;
    // True when the file system has an entry of that name, file or directory.
    virtual bool PathExists(const std::string& path) = 0;
};

}  // namespace roomname
