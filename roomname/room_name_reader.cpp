#include "roomname/room_name_reader.h"

#include <memory>
#include <new>

#include "roomname/last_line.h"

namespace roomname {

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

    std::string line;
    // Longer than a string can hold: no line to show, not the library's length error.
    if (range.size > line.max_size()) return std::nullopt;
    if (range.size > 0) {
        // No bad_alloc to catch: a failed allocation ends in the fatal stop inside operator new.
        line.resize(static_cast<size_t>(range.size));
        if (!file.Seek(range.offset) || !ReadExactly(file, &line[0], line.size()))
            return std::nullopt;
    }
    return line;
}

}  // namespace roomname
