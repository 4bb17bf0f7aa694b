// Reading one text value from the registry.
#pragma once

#include <string>

#include "roomname/registry.h"

namespace app {

// Opens with no view flag: a 32-bit build reads the 32-bit view of a 64-bit Windows, a 64-bit
// build the 64-bit view.
class Win32Registry : public roomname::Registry {
  public:
    std::string ReadText(int rootCode, const std::string& keyAndValue,
                         const std::string& fallback) override;
};

}  // namespace app
