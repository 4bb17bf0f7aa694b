#include <gtest/gtest.h>

#include <functional>

#include "fake_ports.h"

namespace roomname::testing {
namespace {

const char kDir[] = "C:\\CF";
const char kPath[] = "C:\\CF\\rez\\UI\\Scripts\\roomname.txt";
const char kCaption[] = "Morvane提醒您";
const std::string kOld = "1\r\nABCDEFGH\r\n1\r\nABCDEFGH\r\n";  // 26 bytes

const Notice kFailed{"修改失败", 16, kCaption};

Notice Changed(const std::string& name) { return {"成功修改为\"" + name + "\"", 0, kCaption}; }

void Prepare(FakeTool& tool, const std::string& bytes, uint32_t attributes,
             const std::string& name) {
    tool.controls.texts[Box::GameDir] = kDir;
    tool.controls.texts[Box::RoomName] = name;
    tool.files.AddFile(kPath, bytes, attributes);
}

// Exactly one notice per change, everything closed, 编辑框2 never reloaded.
void ExpectOneNoticeAndNothingOpen(FakeTool& tool, const Notice& notice, const std::string& name) {
    ASSERT_EQ(tool.notices.shown.size(), 1u);
    EXPECT_EQ(tool.notices.shown[0], notice);
    EXPECT_EQ(tool.files.openFiles, 0);
    EXPECT_EQ(tool.controls.texts[Box::RoomName], name);
    EXPECT_EQ(tool.journal.size(), 1u);
}

TEST(ChangeRoomName, WritesExactlyTheFourLinesAndMarksTheFileReadOnly) {
    const struct {
        const char* what;
        std::string before;
        uint32_t attributes;
        std::string name;
        std::string after;
    } cases[] = {
        {"shorter name drops the old tail", kOld, kAttrArchive, "XY", "1\r\nXY\r\n1\r\nXY\r\n"},
        {"read-only before", kOld, kAttrReadOnly | kAttrArchive, "测试",
         "\x31\x0D\x0A\xB2\xE2\xCA\xD4\x0D\x0A\x31\x0D\x0A\xB2\xE2\xCA\xD4\x0D\x0A"},
        {"hidden and system replaced", "", 0x2 | 0x4 | kAttrArchive, "", "1\r\n\r\n1\r\n\r\n"},
        {"longer name", "1\r\nA\r\n", kAttrNormal, "ABCDEFGHIJ",
         "1\r\nABCDEFGHIJ\r\n1\r\nABCDEFGHIJ\r\n"},
        {"name kept as typed", kOld, kAttrNormal, " a\r\n ", "1\r\n a\r\n \r\n1\r\n a\r\n \r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FakeTool tool;
        Prepare(tool, c.before, c.attributes, c.name);
        ChangeRoomName(tool.ports);
        EXPECT_EQ(tool.files.At(kPath).bytes, c.after);
        EXPECT_EQ(tool.files.At(kPath).attributes, kAttrReadOnly);
        ExpectOneNoticeAndNothingOpen(tool, Changed(c.name), c.name);
    }
}

TEST(ChangeRoomName, ALaterLoadShowsTheNewName) {
    FakeTool tool;
    Prepare(tool, kOld, kAttrNormal, "XY");
    ChangeRoomName(tool.ports);
    tool.controls.texts[Box::RoomName] = "";
    LoadCurrentName(tool.ports);
    EXPECT_EQ(tool.controls.texts[Box::RoomName], "XY");
    EXPECT_EQ(tool.files.openFiles, 0);
}

TEST(ChangeRoomName, ASecondChangeSucceedsToo) {
    FakeTool tool;
    Prepare(tool, kOld, kAttrNormal, "First");
    ChangeRoomName(tool.ports);
    tool.controls.texts[Box::RoomName] = "2nd";
    ChangeRoomName(tool.ports);
    EXPECT_EQ(tool.files.At(kPath).bytes, "1\r\n2nd\r\n1\r\n2nd\r\n");
    EXPECT_EQ(tool.files.At(kPath).attributes, kAttrReadOnly);
    EXPECT_EQ(tool.notices.shown, (std::vector<Notice>{Changed("First"), Changed("2nd")}));
    EXPECT_EQ(tool.files.openFiles, 0);
}

// Whatever fails, the file keeps its bytes and attributes and the user is told so, once.
TEST(ChangeRoomName, AFailedChangeLeavesTheFileAsItWas) {
    const std::string longName(40, 'L');
    const struct {
        const char* what;
        std::string name;
        std::function<void(FakeFiles&)> inject;
    } cases[] = {
        {"held without sharing", "XY", [](FakeFiles& f) { f.At(kPath).locked = true; }},
        {"write fails part-way", "XY",
         [](FakeFiles& f) {
             f.failingWrites = 1;
             f.writeLimit = 5;
         }},
        {"write fails past the old end", longName,
         [](FakeFiles& f) {
             f.failingWrites = 1;
             f.writeLimit = 30;
         }},
        {"write stores nothing", "XY",
         [](FakeFiles& f) {
             f.failingWrites = 1;
             f.writeLimit = 0;
         }},
        {"SetEnd fails on a shorter content", "XY", [](FakeFiles& f) { f.failingSetEnds = 1; }},
        {"SetEnd fails on a longer content", longName,
         [](FakeFiles& f) { f.failingSetEnds = 1; }},
        {"old content too big to hold", "XY",
         [](FakeFiles& f) { f.reportedSize = uint64_t{1} << 62; }},
        {"old content cannot be read", "XY", [](FakeFiles& f) { f.failReads = true; }},
    };
    for (uint32_t attributes : {kAttrArchive, kAttrReadOnly | kAttrArchive}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(c.what) + (attributes & kAttrReadOnly ? ", read-only" : ""));
            FakeTool tool;
            Prepare(tool, kOld, attributes, c.name);
            c.inject(tool.files);
            ChangeRoomName(tool.ports);
            EXPECT_EQ(tool.files.At(kPath).bytes, kOld);
            EXPECT_EQ(tool.files.At(kPath).attributes, attributes);
            ExpectOneNoticeAndNothingOpen(tool, kFailed, c.name);
        }
    }
}

TEST(ChangeRoomName, CreatesNothingWhereThereIsNoFile) {
    FakeTool tool;
    tool.controls.texts[Box::GameDir] = kDir;
    tool.controls.texts[Box::RoomName] = "XY";
    ChangeRoomName(tool.ports);
    EXPECT_EQ(tool.files.EntryCount(), 0u);
    ExpectOneNoticeAndNothingOpen(tool, kFailed, "XY");
}

TEST(ChangeRoomName, LeavesADirectoryInItsPlaceAlone) {
    FakeTool tool;
    tool.controls.texts[Box::GameDir] = kDir;
    tool.controls.texts[Box::RoomName] = "XY";
    tool.files.AddDirectory(kPath);
    tool.files.SetAttributes(kPath, kAttrDirectory | kAttrReadOnly);
    ChangeRoomName(tool.ports);
    EXPECT_EQ(tool.files.At(kPath).attributes, kAttrDirectory | kAttrReadOnly);
    EXPECT_EQ(tool.files.At(kPath).bytes, "");
    ExpectOneNoticeAndNothingOpen(tool, kFailed, "XY");
}

}  // namespace
}  // namespace roomname::testing
