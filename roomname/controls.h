// The two edit boxes that hold all of the tool's state.
#pragma once

#include <string>

namespace roomname {

enum class Box {
    GameDir,   // 编辑框1: the game directory
    RoomName,  // 编辑框2: the room name
};

// Text access to the edit boxes. Texts are GBK bytes; an empty box reads as "".
class Controls {
  public:
    virtual ~Controls() = default;
    virtual std::string Read(Box box) = 0;
    virtual void Write(Box box, const std::string& text) = 0;
};

}  // namespace roomname
