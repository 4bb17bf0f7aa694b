// The tool's handlers on the main window's events, through the Win32 ports.
#pragma once

#include "app/event_wiring.h"
#include "app/ports/win32_files.h"
#include "app/ports/win32_registry.h"
#include "app/ports/win32_shell.h"
#include "app/win32_controls.h"
#include "app/win32_notices.h"
#include "roomname/tool.h"

namespace app {

struct ToolPorts {
    Win32Controls controls;
    Win32Notices notices;
    Win32Files files;
    Win32Registry registry;
    Win32Shell shell;
    roomname::Ports ports{controls, notices, files, registry, shell};
};

// created of 窗口 -> detect game directory, 按钮1 -> choose game directory,
// 按钮2 -> change room name.
frame::EventWiring ToolWiring(ToolPorts* tool);

}  // namespace app
