#include "roomname/room_name_file.h"
#include "roomname/room_name_reader.h"
#include "roomname/tool.h"

namespace roomname {

void LoadCurrentName(const Ports& ports) {
    std::optional<std::string> line;
    {
        std::unique_ptr<File> file =
            ports.files.OpenRead(RoomNameFilePath(ports.controls.Read(Box::GameDir)));
        if (!file) return;
        line = ReadLastLine(*file);
    }  // closed before the box changes
    // No line to show (no file, an empty file, an empty text): keep what 编辑框2 holds.
    if (line) ports.controls.Write(Box::RoomName, *line);
}

}  // namespace roomname
