#include "app/program_folder.h"

#include <windows.h>

#include <string>

#include "roomname/path_split.h"

namespace frame {

void EnterProgramFolder() {
    char path[260];
    DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    if (length >= sizeof path) length = sizeof path - 1;
    std::string folder = roomname::SplitAtLastBackslash(std::string_view(path, length)).before;
    // "C:" alone would name the drive's last current directory, not its root.
    if (folder.size() == 2 && folder[1] == ':') folder += '\\';
    SetCurrentDirectoryA(folder.c_str());
}

}  // namespace frame
