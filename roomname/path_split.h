// Splitting a GBK path-like text at its last backslash.
#pragma once

#include <string>
#include <string_view>

namespace roomname {

struct SplitText {
    std::string before;  // the text before the last backslash ("" when there is none)
    std::string after;   // the text after it (the whole text when there is none)
};

// Steps through the text by GBK characters: a byte 0x80-0xFF starts a two-byte character whose
// second byte is never taken for a backslash (a GBK trail byte can be 0x5C).
SplitText SplitAtLastBackslash(std::string_view text);

}  // namespace roomname
