#include "roomname/room_name_reader.h"

#include <limits>
#include <memory>
#include <new>

#include "roomname/last_line.h"

namespace roomname {
namespace {

// Fills exactly `size` bytes; false on an error or when the file ends first.
bool ReadExactly(File& file, char* buf, size_t size) {
    size_t done = 0;
    while (done < size) {
        size_t got = 0;
        if (!file.Read(buf + done, size - done, &got) || got == 0) return false;
        done += got;
    }
    return true;
}

}  // namespace

std::optional<std::string> ReadLastLine(File& file, size_t chunkSize) {
    if (chunkSize == 0) chunkSize = kReadChunkSize;
    std::unique_ptr<unsigned char[]> chunk(new (std::nothrow) unsigned char[chunkSize]);
    if (!chunk) return std::nullopt;

    if (!file.Seek(0)) return std::nullopt;
    LastLineScanner scanner;
    for (;;) {
        size_t got = 0;
        if (!file.Read(chunk.get(), chunkSize, &got)) return std::nullopt;
        if (got == 0 || !scanner.Feed(chunk.get(), got)) break;
    }
    chunk.reset();  // the line below may be long; do not hold both

    LineRange range;
    if (!scanner.Finish(&range)) return std::nullopt;
    if (range.size > std::numeric_limits<size_t>::max() / 2) return std::nullopt;

    std::string line;
    if (range.size > 0) {
        // A line too long for memory means no line to show rather than an exception in a handler.
        try {
            line.resize(static_cast<size_t>(range.size));
        } catch (const std::bad_alloc&) {
            return std::nullopt;
        }
        if (!file.Seek(range.offset) || !ReadExactly(file, &line[0], line.size()))
            return std::nullopt;
    }
    return line;
}

}  // namespace roomname
