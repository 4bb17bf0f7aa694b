#include "fake_files.h"

#include <algorithm>
#include <cstring>

namespace roomname::testing {
namespace {

class FakeFile : public File {
  public:
    FakeFile(FakeFiles& files, FakeEntry& entry, bool update)
        : files_(files), entry_(entry), update_(update) {
        ++files_.openFiles;
        ++files_.opens;
    }
    ~FakeFile() override { --files_.openFiles; }

    bool Read(void* buf, size_t size, size_t* got) override {
        *got = 0;
        if (files_.failReads) return false;
        if (pos_ < entry_.bytes.size()) {
            *got = std::min<uint64_t>(size, entry_.bytes.size() - pos_);
            std::memcpy(buf, entry_.bytes.data() + pos_, *got);
            pos_ += *got;
        }
        return true;
    }

    bool Write(const void* buf, size_t size) override {
        if (!update_) return false;
        size_t stored = size;
        bool ok = true;
        if (files_.failingWrites > 0) {
            --files_.failingWrites;
            stored = std::min(size, files_.writeLimit);
            ok = stored == size;
        }
        if (entry_.bytes.size() < pos_ + stored) entry_.bytes.resize(pos_ + stored, '\0');
        entry_.bytes.replace(pos_, stored, static_cast<const char*>(buf), stored);
        pos_ += stored;
        return ok;
    }

    bool Seek(uint64_t offset) override {
        pos_ = offset;
        return true;
    }

    bool Size(uint64_t* size) override {
        *size = files_.reportedSize.value_or(entry_.bytes.size());
        return true;
    }

    bool SetEnd() override {
        if (!update_) return false;
        if (files_.failingSetEnds > 0) {
            --files_.failingSetEnds;
            return false;
        }
        entry_.bytes.resize(pos_, '\0');
        return true;
    }

  private:
    FakeFiles& files_;
    FakeEntry& entry_;
    bool update_;
    uint64_t pos_ = 0;
};

}  // namespace

void FakeFiles::AddFile(const std::string& path, const std::string& bytes, uint32_t attributes) {
    entries_[path] = FakeEntry{bytes, attributes, false};
}

void FakeFiles::AddDirectory(const std::string& path) {
    entries_[path] = FakeEntry{"", kAttrDirectory, false};
}

const FakeEntry* FakeFiles::Find(const std::string& path) const {
    auto it = entries_.find(path);
    return it == entries_.end() ? nullptr : &it->second;
}

std::unique_ptr<File> FakeFiles::Open(const std::string& path, bool update) {
    auto it = entries_.find(path);
    if (it == entries_.end()) return nullptr;
    FakeEntry& entry = it->second;
    if (entry.locked || (entry.attributes & kAttrDirectory) != 0) return nullptr;
    if (update && (entry.attributes & kAttrReadOnly) != 0) return nullptr;
    return std::make_unique<FakeFile>(*this, entry, update);
}

std::unique_ptr<File> FakeFiles::OpenRead(const std::string& path) { return Open(path, false); }

std::unique_ptr<File> FakeFiles::OpenUpdate(const std::string& path) { return Open(path, true); }

bool FakeFiles::GetAttributes(const std::string& path, uint32_t* attributes) {
    const FakeEntry* entry = Find(path);
    if (!entry) return false;
    *attributes = entry->attributes;
    return true;
}

bool FakeFiles::SetAttributes(const std::string& path, uint32_t attributes) {
    auto it = entries_.find(path);
    if (it == entries_.end()) return false;
    // A directory stays a directory whatever attributes it is given.
    it->second.attributes = attributes | (it->second.attributes & kAttrDirectory);
    return true;
}

}  // namespace roomname::testing
