#include <gtest/gtest.h>

#include "roomname/path_split.h"

namespace roomname {
namespace {

// The registry read divides "key path\value name" here; the frame takes the program folder.
TEST(SplitAtLastBackslash, DividesAtTheLastRealBackslash) {
    const struct {
        const char* text;
        const char* before;
        const char* after;
    } cases[] = {
        {"SOFTWARE\\Tencent\\CrossFire\\uninstallpath", "SOFTWARE\\Tencent\\CrossFire",
         "uninstallpath"},
        {"uninstallpath", "", "uninstallpath"},
        {"", "", ""},
        {"SOFTWARE\\Game\\", "SOFTWARE\\Game", ""},
        {"\\value", "", "value"},
        // 0x965C is one character whose second byte looks like a backslash.
        {"SOFTWARE\\\x96\x5C\\path", "SOFTWARE\\\x96\x5C", "path"},
        {"SOFTWARE\\name\x96\x5C", "SOFTWARE", "name\x96\x5C"},
        {"\x96\x5C", "", "\x96\x5C"},
        // A lead byte at the very end has no trail to step over.
        {"KEY\\value\x96", "KEY", "value\x96"},
    };
    for (const auto& c : cases) {
        const SplitText split = SplitAtLastBackslash(c.text);
        EXPECT_EQ(split.before, c.before) << c.text;
        EXPECT_EQ(split.after, c.after) << c.text;
    }
}

}  // namespace
}  // namespace roomname
