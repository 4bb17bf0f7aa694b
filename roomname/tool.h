// The tool's four operations, reached through the interfaces of what only Windows provides.
#pragma once

#include "controls.h"
#include "files.h"
#include "notices.h"
#include "registry.h"
#include "shell.h"

namespace roomname {

struct Ports {
    Controls& controls;
    Notices& notices;
    Files& files;
    Registry& registry;
    Shell& shell;
};

// Created event of the main window: game directory from the registry, then the current name.
void DetectGameDirectory(const Ports& ports);
// Click of 按钮1: game directory from the folder picker, then the current name.
void ChooseGameDirectory(const Ports& ports);
// Fills 编辑框2 with the last line of the room-name file.
void LoadCurrentName(const Ports& ports);
// Click of 按钮2: rewrites the room-name file with the name in 编辑框2.
void ChangeRoomName(const Ports& ports);

}  // namespace roomname
