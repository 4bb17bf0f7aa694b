#include "app/ports/win32_registry.h"

#include <windows.h>

#include <algorithm>
#include <optional>
#include <vector>

#include "app/ports/unique_handle.h"
#include "roomname/path_split.h"

namespace app {
namespace {

HKEY RootKey(int rootCode) {
    switch (rootCode) {
        case 1: return HKEY_CLASSES_ROOT;
        case 2: return HKEY_CURRENT_CONFIG;
        case 4: return HKEY_LOCAL_MACHINE;
        case 5: return HKEY_USERS;
        default: return HKEY_CURRENT_USER;
    }
}

// The data as a text: up to its first NUL, or all of it when it has none.
std::string TextOf(const char* data, size_t size) {
    size_t length = 0;
    while (length < size && data[length] != '\0') ++length;
    return std::string(data, length);
}

std::optional<std::string> Expand(const std::string& text) {
    const DWORD needed = ExpandEnvironmentStringsA(text.c_str(), nullptr, 0);
    if (needed == 0) return std::nullopt;
    // The size comes back in characters, not bytes (Wine counts UTF-16 units; Windows asks for
    // one more for ANSI), and a GBK character takes two bytes: two bytes for each and a spare
    // NUL, so a double-byte text is never cut short.
    const size_t room = static_cast<size_t>(needed) * 2 + 1;
    if (room > MAXDWORD) return std::nullopt;
    std::vector<char> expanded(room, '\0');
    const DWORD written =
        ExpandEnvironmentStringsA(text.c_str(), expanded.data(), static_cast<DWORD>(room));
    // A variable that grew between the two calls leaves the buffer too small.
    if (written == 0 || written > room || expanded.back() != '\0') return std::nullopt;
    return TextOf(expanded.data(), room);
}

std::optional<std::string> QueryText(HKEY root, const std::string& keyPath,
                                     const std::string& valueName) {
    UniqueKey key;
    if (RegOpenKeyExA(root, keyPath.c_str(), 0, KEY_READ, key.Receive()) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExA(key.Get(), valueName.c_str(), nullptr, &type, nullptr, &size) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    if ((type != REG_SZ && type != REG_EXPAND_SZ) || size == 0) return std::nullopt;

    std::vector<char> data(size);
    DWORD got = size;
    if (RegQueryValueExA(key.Get(), valueName.c_str(), nullptr, &type,
                         reinterpret_cast<BYTE*>(data.data()), &got) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    // The value may have changed between the two queries; only what came back counts.
    if (type != REG_SZ && type != REG_EXPAND_SZ) return std::nullopt;
    const std::string text = TextOf(data.data(), std::min<size_t>(got, data.size()));
    if (type == REG_EXPAND_SZ) return Expand(text);
    return text;
}

}  // namespace

std::string Win32Registry::ReadText(int rootCode, const std::string& keyAndValue,
                                    const std::string& fallback) {
    const roomname::SplitText split = roomname::SplitAtLastBackslash(keyAndValue);
    return QueryText(RootKey(rootCode), split.before, split.after).value_or(fallback);
}

}  // namespace app
