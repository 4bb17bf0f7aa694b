#include <gtest/gtest.h>

#include "fake_ports.h"

namespace roomname::testing {
namespace {

const char kSentinel[] = "自动搜寻目录失败，请手动选择";
const char kSuffix[] = "\\rez\\UI\\Scripts\\roomname.txt";

TEST(DetectGameDirectory, AsksForTheGameEntryWithTheSentinelAsDefault) {
    FakeTool tool;
    DetectGameDirectory(tool.ports);
    ASSERT_EQ(tool.registry.asked.size(), 1u);
    EXPECT_EQ(tool.registry.asked[0].first, 4);
    EXPECT_EQ(tool.registry.asked[0].second, "SOFTWARE\\Tencent\\CrossFire\\uninstallpath");
    EXPECT_EQ(tool.controls.texts[Box::GameDir], kSentinel);
}

TEST(DetectGameDirectory, LoadsTheNameUnlessTheBoxHoldsTheSentinel) {
    const struct {
        const char* what;
        std::optional<std::string> value;
        std::string directoryShown;
        std::string nameShown;
    } cases[] = {
        {"directory found", "C:\\CF", "C:\\CF", "from C"},
        {"read failed", std::nullopt, kSentinel, "initial"},
        {"value equal to the sentinel", std::string(kSentinel), kSentinel, "initial"},
        {"sentinel with one more byte", std::string(kSentinel) + " ", std::string(kSentinel) + " ",
         "from sentinel"},
        {"empty value: the file below the drive root", std::string(), "", "from root"},
        {"directory without the file", "C:\\None", "C:\\None", "initial"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FakeTool tool;
        tool.controls.texts[Box::RoomName] = "initial";
        tool.files.AddFile(std::string("C:\\CF") + kSuffix, "1\r\nfrom C\r\n");
        tool.files.AddFile(std::string(kSentinel) + " " + kSuffix, "from sentinel");
        tool.files.AddFile(kSuffix, "from root");
        tool.registry.value = c.value;
        DetectGameDirectory(tool.ports);
        EXPECT_EQ(tool.controls.texts[Box::GameDir], c.directoryShown);
        EXPECT_EQ(tool.controls.texts[Box::RoomName], c.nameShown);
        EXPECT_TRUE(tool.notices.shown.empty());
        EXPECT_EQ(tool.files.openFiles, 0);
    }
}

TEST(DetectGameDirectory, DoesNotLoadOnTheSentinel) {
    FakeTool tool;
    tool.files.AddFile(std::string(kSentinel) + kSuffix, "would be loaded");
    tool.controls.texts[Box::RoomName] = "initial";
    DetectGameDirectory(tool.ports);
    EXPECT_EQ(tool.files.opens, 0);
    EXPECT_EQ(tool.controls.texts[Box::RoomName], "initial");
}

TEST(ChooseGameDirectory, CancelChangesNothing) {
    FakeTool tool;
    tool.controls.texts[Box::GameDir] = "C:\\CF";
    tool.controls.texts[Box::RoomName] = "name";
    tool.shell.picked = std::nullopt;
    ChooseGameDirectory(tool.ports);
    EXPECT_EQ(tool.shell.instructions, std::vector<std::string>{"选择CF目录"});
    EXPECT_EQ(tool.controls.texts[Box::GameDir], "C:\\CF");
    EXPECT_EQ(tool.controls.texts[Box::RoomName], "name");
    EXPECT_TRUE(tool.journal.empty());
    EXPECT_TRUE(tool.shell.tested.empty());
}

TEST(ChooseGameDirectory, TellsWhetherTheFileIsThereAndLoadsAfterTheNotice) {
    const Notice right{"目录选择正确", 64, std::nullopt};
    const Notice wrong{"目录选择错误", 16, std::nullopt};
    const struct {
        const char* what;
        std::string picked;
        Journal journal;
    } cases[] = {
        {"directory with the file", "C:\\CF",
         {"write GameDir: C:\\CF", "notice: 目录选择正确", "write RoomName: N"}},
        {"drive root", "D:\\", {"write GameDir: D:\\", "notice: 目录选择正确", "write RoomName: R"}},
        {"directory without the file", "C:\\Other",
         {"write GameDir: C:\\Other", "notice: 目录选择错误"}},
        {"item without a file-system path", "", {"write GameDir: ", "notice: 目录选择错误"}},
        {"a folder named like the file: exists, no line", "E:\\Odd",
         {"write GameDir: E:\\Odd", "notice: 目录选择正确"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FakeTool tool;
        tool.controls.texts[Box::GameDir] = "C:\\Detected";
        tool.controls.texts[Box::RoomName] = "before";
        tool.shell.picked = c.picked;
        for (const char* dir : {"C:\\CF", "D:\\", "E:\\Odd"})
            tool.shell.existing.insert(dir + std::string(kSuffix));
        tool.files.AddFile(std::string("C:\\CF") + kSuffix, "1\r\nN\r\n");
        tool.files.AddFile(std::string("D:\\") + kSuffix, "R");
        tool.files.AddDirectory(std::string("E:\\Odd") + kSuffix);
        ChooseGameDirectory(tool.ports);
        EXPECT_EQ(tool.journal, c.journal);
        EXPECT_EQ(tool.shell.tested, std::vector<std::string>{c.picked + kSuffix});
        ASSERT_EQ(tool.notices.shown.size(), 1u);
        EXPECT_EQ(tool.notices.shown[0], c.journal[1] == "notice: 目录选择正确" ? right : wrong);
        EXPECT_EQ(tool.files.openFiles, 0);
    }
}

}  // namespace
}  // namespace roomname::testing
