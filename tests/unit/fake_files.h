// In-memory files with the failures a real disk can produce, injected on demand.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "roomname/files.h"

namespace roomname::testing {

constexpr uint32_t kAttrDirectory = 0x10;  // FILE_ATTRIBUTE_DIRECTORY
constexpr uint32_t kAttrArchive = 0x20;    // FILE_ATTRIBUTE_ARCHIVE
constexpr uint32_t kAttrNormal = 0x80;     // FILE_ATTRIBUTE_NORMAL

struct FakeEntry {
    std::string bytes;
    uint32_t attributes = kAttrNormal;
    bool locked = false;  // held by another process without sharing
};

class FakeFiles : public Files {
  public:
    void AddFile(const std::string& path, const std::string& bytes,
                 uint32_t attributes = kAttrNormal);
    void AddDirectory(const std::string& path);
    // Null when there is no such entry.
    const FakeEntry* Find(const std::string& path) const;
    FakeEntry& At(const std::string& path) { return entries_.at(path); }
    size_t EntryCount() const { return entries_.size(); }

    // Like Windows: a read-only file, a directory or a locked file cannot be opened for update.
    std::unique_ptr<File> OpenRead(const std::string& path) override;
    std::unique_ptr<File> OpenUpdate(const std::string& path) override;
    bool GetAttributes(const std::string& path, uint32_t* attributes) override;
    bool SetAttributes(const std::string& path, uint32_t attributes) override;

    // Failure injection.
    int failingWrites = 0;          // so many next writes store at most writeLimit bytes and fail
    size_t writeLimit = 0;
    int failingSetEnds = 0;         // so many next SetEnd calls fail without effect
    bool failReads = false;
    std::optional<uint64_t> reportedSize;  // what Size says instead of the true size

    int openFiles = 0;  // files open right now
    int opens = 0;      // successful opens so far

  private:
    std::unique_ptr<File> Open(const std::string& path, bool update);

    std::map<std::string, FakeEntry> entries_;
};

}  // namespace roomname::testing
