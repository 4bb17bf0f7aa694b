#include "game_registry.h"

namespace driver {
namespace {

// Closes the key when it goes.
class Key {
  public:
    Key(REGSAM access, bool create) {
        const LONG result =
            create ? RegCreateKeyExA(HKEY_LOCAL_MACHINE, kGameKey, 0, nullptr, 0, access, nullptr,
                                     &key_, nullptr)
                   : RegOpenKeyExA(HKEY_LOCAL_MACHINE, kGameKey, 0, access, &key_);
        if (result != ERROR_SUCCESS) key_ = nullptr;
    }
    ~Key() {
        if (key_) RegCloseKey(key_);
    }
    Key(const Key&) = delete;
    Key& operator=(const Key&) = delete;
    HKEY Get() const { return key_; }

  private:
    HKEY key_ = nullptr;
};

constexpr char kParentKey[] = "SOFTWARE\\Tencent";

bool KeyExists(const char* path) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

}  // namespace

GameRegistryValue::GameRegistryValue() : parentExisted_(KeyExists(kParentKey)) {
    Key key(KEY_READ, false);
    keyExisted_ = key.Get() != nullptr;
    if (!keyExisted_) return;
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExA(key.Get(), kGameValue, nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
        return;
    Saved saved{type, std::vector<BYTE>(size)};
    if (RegQueryValueExA(key.Get(), kGameValue, nullptr, &type, saved.data.data(), &size) ==
        ERROR_SUCCESS) {
        saved.data.resize(size);
        saved_ = std::move(saved);
    }
}

GameRegistryValue::~GameRegistryValue() {
    if (saved_) {
        Key key(KEY_SET_VALUE, true);
        if (key.Get())
            RegSetValueExA(key.Get(), kGameValue, 0, saved_->type, saved_->data.data(),
                           static_cast<DWORD>(saved_->data.size()));
        return;
    }
    Remove();
    // Keys made for the test go with it; RegDeleteKeyA refuses a key with subkeys.
    if (!keyCreated_ || keyExisted_) return;
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, kGameKey);
    if (!parentExisted_) RegDeleteKeyA(HKEY_LOCAL_MACHINE, kParentKey);
}

bool GameRegistryValue::Set(const std::string& text) {
    Key key(KEY_SET_VALUE, true);
    if (!key.Get()) return false;
    keyCreated_ = true;
    return RegSetValueExA(key.Get(), kGameValue, 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(text.c_str()),
                          static_cast<DWORD>(text.size() + 1)) == ERROR_SUCCESS;
}

bool GameRegistryValue::Remove() {
    Key key(KEY_SET_VALUE, false);
    if (!key.Get()) return true;
    const LONG result = RegDeleteValueA(key.Get(), kGameValue);
    return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
}

}  // namespace driver
