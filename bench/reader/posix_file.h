// A read-only `File` on a POSIX descriptor, so the reader can be measured on real files.
#pragma once

#include <memory>
#include <string>

#include "roomname/files.h"

namespace bench {

// Null when the file cannot be opened.
std::unique_ptr<roomname::File> OpenPosixFile(const std::string& path);

}  // namespace bench
