#include "app/tool_wiring.h"

namespace app {
namespace {

const roomname::Ports& PortsOf(void* context) { return static_cast<ToolPorts*>(context)->ports; }

const frame::Binding kBindings[] = {
    {"窗口", frame::EventKind::Created,
     [](void* c) { roomname::DetectGameDirectory(PortsOf(c)); }},
    {"按钮1", frame::EventKind::Click, [](void* c) { roomname::ChooseGameDirectory(PortsOf(c)); }},
    {"按钮2", frame::EventKind::Click, [](void* c) { roomname::ChangeRoomName(PortsOf(c)); }},
};

}  // namespace

frame::EventWiring ToolWiring(ToolPorts* tool) {
    return {kBindings, sizeof kBindings / sizeof kBindings[0], tool};
}

}  // namespace app
