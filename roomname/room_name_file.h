// The room-name file's path and the content the tool writes into it.
#pragma once

#include <string>

namespace roomname {

// 编辑框1's text followed directly by the fixed suffix; nothing is added, removed or normalised.
std::string RoomNameFilePath(const std::string& gameDirectory);

// The four CR LF-ended lines "1", name, "1", name: 2 * name.size() + 10 bytes.
std::string RoomNameFileContent(const std::string& name);

}  // namespace roomname
