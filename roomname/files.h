// The file operations the room-name file needs, on GBK paths.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace roomname {

// FILE_ATTRIBUTE_READONLY
constexpr uint32_t kAttrReadOnly = 0x1;

// An open file; the destructor closes it.
class File {
  public:
    virtual ~File() = default;
    // Reads up to `size` bytes at the current position; false on error. *got is 0 at the end.
    virtual bool Read(void* buf, size_t size, size_t* got) = 0;
    // Writes all `size` bytes at the current position; false unless every byte was written.
    virtual bool Write(const void* buf, size_t size) = 0;
    virtual bool Seek(uint64_t offset) = 0;
    virtual bool Size(uint64_t* size) = 0;
    // Makes the current position the end of the file.
    virtual bool SetEnd() = 0;
};

// Fills exactly `size` bytes from the current position; false on an error or when the file ends
// first.
bool ReadExactly(File& file, void* buf, size_t size);

class Files {
  public:
    virtual ~Files() = default;
    // Both open an existing file only (never create, never truncate), sharing read and write.
    // Null when the file cannot be opened.
    virtual std::unique_ptr<File> OpenRead(const std::string& path) = 0;
    virtual std::unique_ptr<File> OpenUpdate(const std::string& path) = 0;
    virtual bool GetAttributes(const std::string& path, uint32_t* attributes) = 0;
    virtual bool SetAttributes(const std::string& path, uint32_t attributes) = 0;
};

}  // namespace roomname
