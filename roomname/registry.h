// Reading one text value from the registry.
#pragma once

#include <string>

namespace roomname {

// Root codes: 1 HKEY_CLASSES_ROOT, 2 HKEY_CURRENT_CONFIG, 4 HKEY_LOCAL_MACHINE, 5 HKEY_USERS,
// anything else HKEY_CURRENT_USER.
constexpr int kRootLocalMachine = 4;

class Registry {
  public:
    virtual ~Registry() = default;
    // `keyAndValue` is the key path and the value name joined by a backslash. Gives the value's
    // text (REG_SZ, or REG_EXPAND_SZ expanded), or a copy of `fallback` on any failure.
    virtual std::string ReadText(int rootCode, const std::string& keyAndValue,
                                 const std::string& fallback) = 0;
};

}  // namespace roomname
