// The game's registry entry as roomname.exe reads it at start: HKLM\SOFTWARE\Tencent\CrossFire,
// value "uninstallpath", in the view this build reads (no view flag). Whatever stood there before
// the test is put back when the guard goes, also after a failed test.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace driver {

constexpr char kGameKey[] = "SOFTWARE\\Tencent\\CrossFire";
constexpr char kGameValue[] = "uninstallpath";

class GameRegistryValue {
  public:
    GameRegistryValue();
    ~GameRegistryValue();
    GameRegistryValue(const GameRegistryValue&) = delete;
    GameRegistryValue& operator=(const GameRegistryValue&) = delete;

    // Stores `text` as a REG_SZ value (with its NUL), creating the key when needed.
    bool Set(const std::string& text);
    // Leaves no such value; true when it is gone.
    bool Remove();

  private:
    struct Saved {
        DWORD type;
        std::vector<BYTE> data;
    };
    bool parentExisted_ = false;  // SOFTWARE\Tencent
    bool keyExisted_ = false;
    bool keyCreated_ = false;
    std::optional<Saved> saved_;
};

}  // namespace driver
