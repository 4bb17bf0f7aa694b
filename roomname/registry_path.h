// Splits the registry read's "key path\value name" argument.
#pragma once

#include <string>

namespace roomname {

struct RegistryPath {
    std::string key;    // the key path below the root
    std::string value;  // the value name
};

// Divides at the last backslash, stepping over two-byte characters, whose second byte may be
// 0x5C. Without a backslash the key path is empty (the root key itself) and the whole text is the
// value name. A trailing backslash gives the empty value name, the key's default value.
RegistryPath SplitRegistryPath(const std::string& keyAndValue);

}  // namespace roomname
