#include "roomname/path_split.h"

namespace roomname {

SplitText SplitAtLastBackslash(std::string_view text) {
    size_t last = std::string_view::npos;
    for (size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte >= 0x80) {
            ++i;  // the trail byte is part of the character
        } else if (byte == '\\') {
            last = i;
        }
    }
    if (last == std::string_view::npos) return {std::string(), std::string(text)};
    return {std::string(text.substr(0, last)), std::string(text.substr(last + 1))};
}

}  // namespace roomname
