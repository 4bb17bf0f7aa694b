// roomname.exe: sets the default room name of the game.
#include <windows.h>

#include "app/startup.h"
#include "app/tool_wiring.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    app::ToolPorts tool;
    return frame::RunFrame(instance, frame::MainWindowTemplate(), app::ToolWiring(&tool));
}
