// Owning wrappers for the Win32 handles the ports open, so every path out of a call closes them.
#pragma once

#include <windows.h>

namespace app {

// A kernel handle from CreateFileA; INVALID_HANDLE_VALUE means none.
class UniqueHandle {
  public:
    UniqueHandle() = default;
    explicit UniqueHandle(HANDLE handle) : handle_(handle) {}
    ~UniqueHandle() { Reset(); }
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.Release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) {
            Reset();
            handle_ = other.Release();
        }
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    HANDLE Get() const { return handle_; }
    bool Valid() const { return handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr; }
    HANDLE Release() {
        HANDLE handle = handle_;
        handle_ = INVALID_HANDLE_VALUE;
        return handle;
    }
    void Reset() {
        if (Valid()) CloseHandle(handle_);
        handle_ = INVALID_HANDLE_VALUE;
    }

  private:
    HANDLE handle_ = INVALID_HANDLE_VALUE;
};

// An open registry key; null means none. The predefined root keys are never wrapped.
class UniqueKey {
  public:
    UniqueKey() = default;
    ~UniqueKey() {
        if (key_) RegCloseKey(key_);
    }
    UniqueKey(const UniqueKey&) = delete;
    UniqueKey& operator=(const UniqueKey&) = delete;

    HKEY Get() const { return key_; }
    // For RegOpenKeyExA to fill; only on an empty wrapper.
    HKEY* Receive() { return &key_; }

  private:
    HKEY key_ = nullptr;
};

}  // namespace app
