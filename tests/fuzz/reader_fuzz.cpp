// Compares the chunked room-name reader with a whole-buffer reading done step by step: first
// the text, then every line, then the last one. The first input byte picks the chunk size.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "roomname/room_name_reader.h"

namespace {

// The text: up to 0x00 or 0x1A, or up to a lead byte followed by 0x00 or by nothing.
std::string Text(const std::string& bytes) {
    size_t i = 0;
    while (i < bytes.size()) {
        const unsigned char b = static_cast<unsigned char>(bytes[i]);
        if (b == 0x00 || b == 0x1A) break;
        if (b >= 0x80) {
            if (i + 1 == bytes.size() || bytes[i + 1] == '\0') break;
            i += 2;
        } else {
            i += 1;
        }
    }
    return bytes.substr(0, i);
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    size_t pos = 0, start = 0;
    while (text.size() - pos >= 2) {
        if (text[pos] == '\r' && text[pos + 1] == '\n') {
            lines.push_back(text.substr(start, pos - start));
            pos += 2;
            start = pos;
        } else {
            pos += static_cast<unsigned char>(text[pos]) >= 0x80 ? 2 : 1;
        }
    }
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

std::optional<std::string> ReferenceLastLine(const std::string& bytes) {
    const std::vector<std::string> lines = Lines(Text(bytes));
    if (lines.empty()) return std::nullopt;
    return lines.back();
}

class MemoryFile : public roomname::File {
  public:
    explicit MemoryFile(const std::string& bytes) : bytes_(bytes) {}
    bool Read(void* buf, size_t size, size_t* got) override {
        *got = 0;
        if (pos_ < bytes_.size()) {
            *got = static_cast<size_t>(std::min<uint64_t>(size, bytes_.size() - pos_));
            std::memcpy(buf, bytes_.data() + pos_, *got);
            pos_ += *got;
        }
        return true;
    }
    bool Write(const void*, size_t) override { return false; }
    bool Seek(uint64_t offset) override {
        pos_ = offset;
        return true;
    }
    bool Size(uint64_t* size) override {
        *size = bytes_.size();
        return true;
    }
    bool SetEnd() override { return false; }

  private:
    const std::string& bytes_;
    uint64_t pos_ = 0;
};

void Print(const char* what, const std::optional<std::string>& line) {
    std::fprintf(stderr, "%s:", what);
    if (!line) std::fprintf(stderr, " none");
    else for (unsigned char b : *line) std::fprintf(stderr, " %02X", b);
    std::fprintf(stderr, "\n");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    // 1..64 exercises every border position in short inputs; 0 keeps the real default.
    const size_t chunk = data[0] % 65;
    const std::string bytes(reinterpret_cast<const char*>(data + 1), size - 1);

    MemoryFile file(bytes);
    const std::optional<std::string> got = roomname::ReadLastLine(file, chunk);
    const std::optional<std::string> want = ReferenceLastLine(bytes);
    if (got != want) {
        std::fprintf(stderr, "chunk size %zu\n", chunk);
        Print("reader", got);
        Print("reference", want);
        std::abort();
    }
    return 0;
}
