#include "app/ports/win32_files.h"

#include <windows.h>

#include <algorithm>

#include "app/ports/unique_handle.h"

namespace app {
namespace {

// ReadFile and WriteFile take a DWORD count; larger requests go in pieces of this size.
constexpr size_t kMaxIo = 1u << 30;

class Win32File : public roomname::File {
  public:
    explicit Win32File(UniqueHandle handle) : handle_(std::move(handle)) {}

    bool Read(void* buf, size_t size, size_t* got) override {
        DWORD read = 0;
        const DWORD want = static_cast<DWORD>(std::min(size, kMaxIo));
        if (!ReadFile(handle_.Get(), buf, want, &read, nullptr)) return false;
        *got = read;
        return true;
    }

    bool Write(const void* buf, size_t size) override {
        const auto* bytes = static_cast<const unsigned char*>(buf);
        while (size > 0) {
            DWORD written = 0;
            const DWORD want = static_cast<DWORD>(std::min(size, kMaxIo));
            // A write that moves nothing would loop for ever; take it as the failure it is.
            if (!WriteFile(handle_.Get(), bytes, want, &written, nullptr) || written == 0) {
                return false;
            }
            bytes += written;
            size -= written;
        }
        return true;
    }

    bool Seek(uint64_t offset) override {
        LARGE_INTEGER to;
        to.QuadPart = static_cast<LONGLONG>(offset);
        return SetFilePointerEx(handle_.Get(), to, nullptr, FILE_BEGIN) != 0;
    }

    bool Size(uint64_t* size) override {
        LARGE_INTEGER value;
        if (!GetFileSizeEx(handle_.Get(), &value)) return false;
        *size = static_cast<uint64_t>(value.QuadPart);
        return true;
    }

    bool SetEnd() override { return SetEndOfFile(handle_.Get()) != 0; }

  private:
    UniqueHandle handle_;
};

std::unique_ptr<roomname::File> Open(const std::string& path, DWORD access) {
    // OPEN_EXISTING: never creates a file and never truncates one.
    UniqueHandle handle(CreateFileA(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!handle.Valid()) return nullptr;
    return std::make_unique<Win32File>(std::move(handle));
}

}  // namespace

std::unique_ptr<roomname::File> Win32Files::OpenRead(const std::string& path) {
    return Open(path, GENERIC_READ);
}

std::unique_ptr<roomname::File> Win32Files::OpenUpdate(const std::string& path) {
    return Open(path, GENERIC_READ | GENERIC_WRITE);
}

bool Win32Files::GetAttributes(const std::string& path, uint32_t* attributes) {
    const DWORD value = GetFileAttributesA(path.c_str());
    if (value == INVALID_FILE_ATTRIBUTES) return false;
    *attributes = value;
    return true;
}

bool Win32Files::SetAttributes(const std::string& path, uint32_t attributes) {
    return SetFileAttributesA(path.c_str(), attributes) != 0;
}

}  // namespace app
