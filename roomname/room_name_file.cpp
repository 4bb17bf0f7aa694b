#include "roomname/room_name_file.h"

#include "roomname/texts.h"

namespace roomname {

std::string RoomNameFilePath(const std::string& gameDirectory) {
    return gameDirectory + texts::kRoomNameSuffix;
}

std::string RoomNameFileContent(const std::string& name) {
    std::string content;
    content.reserve(2 * name.size() + 10);
    content += "1\r\n";
    content += name;
    content += "\r\n1\r\n";
    content += name;
    content += "\r\n";
    return content;
}

}  // namespace roomname
