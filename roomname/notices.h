// Modal message boxes, the only way the tool tells the user an outcome.
#pragma once

#include <string>

namespace roomname {

// Icon codes: MessageBoxA style bits.
constexpr unsigned kIconNone = 0;
constexpr unsigned kIconError = 16;        // MB_ICONERROR
constexpr unsigned kIconInformation = 64;  // MB_ICONINFORMATION

class Notices {
  public:
    virtual ~Notices() = default;
    // Returns when the user has closed the box. A null caption means the default caption.
    virtual void Show(const std::string& text, unsigned icon, const char* caption = nullptr) = 0;
};

}  // namespace roomname
