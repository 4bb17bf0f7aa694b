// Reads the last line of the room-name file without holding the whole file in memory.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "roomname/files.h"

namespace roomname {

// Large enough that the read calls cost little next to the scan, small enough to stay in cache.
constexpr size_t kReadChunkSize = 64 * 1024;

// The last line of the file's text, read from byte 0 of `file` in chunks of `chunkSize` bytes
// (0 means the default). nullopt when the text has no line, or when the file cannot be read or
// the buffers cannot be allocated. Memory: one chunk plus the last line.
std::optional<std::string> ReadLastLine(File& file, size_t chunkSize = kReadChunkSize);

}  // namespace roomname
