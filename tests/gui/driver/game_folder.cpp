#include "game_folder.h"

#include <windows.h>

namespace driver {
namespace {

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

GameFolder::GameFolder(const std::string& leaf) {
    if (!root_.Valid()) return;
    const std::string path = root_.Join(leaf);
    if (CreateDirectoryA(path.c_str(), nullptr)) path_ = path;
}

bool GameFolder::WriteRoomName(const std::string& bytes) const {
    return Valid() && MakeScriptsFolder(path_) && scratch::WriteBytes(RoomNameFile(), bytes);
}

bool GameFolder::MakeFolderInPlaceOfFile() const {
    return Valid() && MakeScriptsFolder(path_) &&
           CreateDirectoryA(RoomNameFile().c_str(), nullptr);
}

}  // namespace driver
