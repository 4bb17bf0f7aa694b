#include <gtest/gtest.h>

#include "roomname/room_name_file.h"

namespace roomname {
namespace {

// Every text of the tool relies on the compiler turning UTF-8 sources into GBK.
TEST(Texts, AreCompiledToGbk) {
    EXPECT_EQ(std::string("测试"), "\xB2\xE2\xCA\xD4");
}

TEST(RoomNameFilePath, JoinsTheDirectoryTextUnchanged) {
    const struct {
        const char* directory;
        const char* path;
    } cases[] = {
        {"C:\\Games\\CF", "C:\\Games\\CF\\rez\\UI\\Scripts\\roomname.txt"},
        {"D:\\", "D:\\\\rez\\UI\\Scripts\\roomname.txt"},
        {"", "\\rez\\UI\\Scripts\\roomname.txt"},
        {" games ", " games \\rez\\UI\\Scripts\\roomname.txt"},
    };
    for (const auto& c : cases) EXPECT_EQ(RoomNameFilePath(c.directory), c.path) << c.directory;
}

TEST(RoomNameFileContent, IsFourLinesOneNameOneName) {
    EXPECT_EQ(RoomNameFileContent("测试"),
              "\x31\x0D\x0A\xB2\xE2\xCA\xD4\x0D\x0A\x31\x0D\x0A\xB2\xE2\xCA\xD4\x0D\x0A");
    EXPECT_EQ(RoomNameFileContent(""), "\x31\x0D\x0A\x0D\x0A\x31\x0D\x0A\x0D\x0A");
    EXPECT_EQ(RoomNameFileContent(" a\r\nb "), "1\r\n a\r\nb \r\n1\r\n a\r\nb \r\n");
}

}  // namespace
}  // namespace roomname
