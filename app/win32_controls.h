// The tool's text access to the two edit boxes of the main window.
#pragma once

#include "roomname/controls.h"

namespace app {

class Win32Controls : public roomname::Controls {
  public:
    std::string Read(roomname::Box box) override;
    void Write(roomname::Box box, const std::string& text) override;
};

}  // namespace app
