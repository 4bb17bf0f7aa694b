#include <gtest/gtest.h>

#include "fake_ports.h"

namespace roomname::testing {
namespace {

const char kDir[] = "C:\\CF";
const char kPath[] = "C:\\CF\\rez\\UI\\Scripts\\roomname.txt";

class LoadCurrentNameTest : public ::testing::Test {
  protected:
    void SetUp() override {
        tool.controls.texts[Box::GameDir] = kDir;
        tool.controls.texts[Box::RoomName] = "initial";
    }
    FakeTool tool;
};

TEST_F(LoadCurrentNameTest, PutsTheLastLineIntoTheNameBox) {
    const struct {
        const char* what;
        std::string bytes;
        std::string shown;
    } cases[] = {
        {"written file", "1\r\n\xB2\xE2\xCA\xD4\r\n1\r\n\xB2\xE2\xCA\xD4\r\n", "\xB2\xE2\xCA\xD4"},
        {"empty last line", "1\r\nA\r\n\r\n", ""},
        {"old tail after a short write", "1\r\nXY\r\n1\r\nXY\r\n\r\nABCDEFGH\r\n", "ABCDEFGH"},
    };
    for (const auto& c : cases) {
        tool.files.AddFile(kPath, c.bytes);
        tool.controls.texts[Box::RoomName] = "initial";
        LoadCurrentName(tool.ports);
        EXPECT_EQ(tool.controls.texts[Box::RoomName], c.shown) << c.what;
        EXPECT_EQ(tool.files.openFiles, 0) << c.what;
    }
    EXPECT_TRUE(tool.notices.shown.empty());
}

TEST_F(LoadCurrentNameTest, LeavesTheNameBoxWhenThereIsNoLine) {
    const struct {
        const char* what;
        void (*prepare)(FakeFiles&);
    } cases[] = {
        {"no file", [](FakeFiles&) {}},
        {"empty file", [](FakeFiles& f) { f.AddFile(kPath, ""); }},
        {"text ends at its first byte", [](FakeFiles& f) { f.AddFile(kPath, "\x1A" "1\r\nA"); }},
        {"a directory in its place", [](FakeFiles& f) { f.AddDirectory(kPath); }},
        {"held without sharing",
         [](FakeFiles& f) {
             f.AddFile(kPath, "A");
             f.At(kPath).locked = true;
         }},
        {"read error",
         [](FakeFiles& f) {
             f.AddFile(kPath, "A");
             f.failReads = true;
         }},
    };
    for (const auto& c : cases) {
        FakeTool fresh;
        fresh.controls.texts[Box::GameDir] = kDir;
        fresh.controls.texts[Box::RoomName] = "initial";
        c.prepare(fresh.files);
        LoadCurrentName(fresh.ports);
        EXPECT_EQ(fresh.controls.texts[Box::RoomName], "initial") << c.what;
        EXPECT_TRUE(fresh.journal.empty()) << c.what;
        EXPECT_EQ(fresh.files.openFiles, 0) << c.what;
    }
}

TEST_F(LoadCurrentNameTest, ReadsAReadOnlyFileAtThePathTypedInTheDirectoryBox) {
    tool.controls.texts[Box::GameDir] = "D:\\";
    tool.files.AddFile("D:\\\\rez\\UI\\Scripts\\roomname.txt", "1\r\nRO\r\n", kAttrReadOnly);
    LoadCurrentName(tool.ports);
    EXPECT_EQ(tool.controls.texts[Box::RoomName], "RO");
}

}  // namespace
}  // namespace roomname::testing
