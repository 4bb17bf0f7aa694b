// The game directory through the real window: detection from the registry before the window is
// first shown, and the folder picker of 按钮1 driven through its folder tree as a person clicks it.
#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "driver/app_under_test.h"
#include "driver/game_folder.h"
#include "driver/game_registry.h"
#include "driver/message_box.h"
#include "driver/window_query.h"
#include "tests/support/picker_driver.h"

namespace {

constexpr char kSentinel[] = "自动搜寻目录失败，请手动选择";
constexpr char kInitialName[] = "Morvane制作";
constexpr char kDefaultCaption[] = "信息：";
constexpr DWORD kPickerTimeoutMs = 20000;

// The four lines a change writes.
std::string Content(const std::string& name) {
    return "1\r\n" + name + "\r\n1\r\n" + name + "\r\n";
}

// ---- Detection at start ----

struct DetectionCase {
    const char* what;
    const char* leaf;                  // the game folder's name
    std::optional<std::string> file;   // the room-name file's bytes; none: no file
    bool inRegistry;                   // the folder stands in "uninstallpath"
    const char* expectedName;          // 编辑框2 at first sight
};

const DetectionCase kDetectionCases[] = {
    {"a GBK name", "CrossFire", Content("测试房间"), true, "测试房间"},
    {"a GBK directory; the last line counts", "穿越火线", std::string("1\r\n旧名\r\n1\r\n新名\r\n"),
     true, "新名"},
    {"a directory without the file", "CrossFire", std::nullopt, true, kInitialName},
    {"no value", "CrossFire", Content("测试房间"), false, kInitialName},
};

TEST(GameDirectoryDetectionTest, BoxesAreFilledAtTheFirstMomentTheWindowIsVisible) {
    ASSERT_EQ(GetACP(), 936u) << "the tests need code page 936 (LANG=zh_CN.UTF-8)";
    for (const DetectionCase& c : kDetectionCases) {
        SCOPED_TRACE(c.what);
        driver::GameFolder game(c.leaf);
        ASSERT_TRUE(game.Valid());
        if (c.file) {
            ASSERT_TRUE(game.WriteRoomName(*c.file));
        }
        driver::GameRegistryValue registry;
        ASSERT_TRUE(c.inRegistry ? registry.Set(game.Path()) : registry.Remove());

        // Read at once when the window turns visible: detection ran while it was hidden.
        driver::AppUnderTest app(driver::RoomnameExe());
        ASSERT_TRUE(app.Ready()) << "roomname.exe showed no main window";
        const std::string directory = driver::TextOf(app.Control("编辑框1"));
        const std::string name = driver::TextOf(app.Control("编辑框2"));
        EXPECT_EQ(directory, c.inRegistry ? game.Path() : std::string(kSentinel));
        EXPECT_EQ(name, c.expectedName);
        EXPECT_EQ(driver::AnyDialog(app.process().Id()), nullptr) << "detection shows no notice";
    }
}

// ---- Choosing through the folder picker ----

enum class Choice { kGoodFolder, kFolderWithoutFile, kDriveC, kComputer, kCancel };
enum class Notice { kNone, kRight, kWrong };

struct PickCase {
    const char* name;  // the test's name
    Choice choice;
};

// Names the case in the test list instead of dumping its bytes.
void PrintTo(const PickCase& c, std::ostream* out) { *out << c.name; }

const PickCase kPickCases[] = {
    {"GoodFolderThenOk", Choice::kGoodFolder},
    {"FolderWithoutTheFile", Choice::kFolderWithoutFile},
    {"DriveRoot", Choice::kDriveC},
    {"ComputerHasNoPath", Choice::kComputer},
    {"Cancel", Choice::kCancel},
};

bool FileExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

class ChooseGameDirectoryTest : public ::testing::TestWithParam<PickCase> {
  protected:
    void SetUp() override {
        ASSERT_EQ(GetACP(), 936u) << "the tests need code page 936 (LANG=zh_CN.UTF-8)";
        ASSERT_TRUE(detected.WriteRoomName(Content("旧房名")));
        ASSERT_TRUE(good.WriteRoomName(Content("新房名")));
        ASSERT_TRUE(bare.Valid());
        ASSERT_TRUE(registry.Set(detected.Path()));
        app.emplace(driver::RoomnameExe());
        ASSERT_TRUE(app->Ready()) << "roomname.exe showed no main window";
        ASSERT_EQ(Box("编辑框1"), detected.Path());
        ASSERT_EQ(Box("编辑框2"), "旧房名");
    }

    std::string Box(const char* name) { return driver::TextOf(app->Control(name)); }

    // The item a person would click for the choice; null for a cancel. Records what went wrong.
    HTREEITEM ItemFor(Choice choice, HWND tree, std::string* problem) {
        HTREEITEM item = nullptr;
        switch (choice) {
            case Choice::kGoodFolder: item = picker_driver::FindFolder(tree, good.Path()); break;
            case Choice::kFolderWithoutFile:
                item = picker_driver::FindFolder(tree, bare.Path());
                break;
            case Choice::kDriveC: item = picker_driver::FindDrive(tree, 'C'); break;
            case Choice::kComputer:
                if (HTREEITEM drive = picker_driver::FindDrive(tree, 'C'))
                    item = picker_driver::Parent(tree, drive);
                break;
            case Choice::kCancel: return nullptr;
        }
        if (!item) *problem = "no tree item for the choice";
        return item;
    }

    driver::GameFolder detected{"Detected"};
    driver::GameFolder good{"穿越火线"};
    driver::GameFolder bare{"NoRoomFile"};
    driver::GameRegistryValue registry;
    std::optional<driver::AppUnderTest> app;
};

TEST_P(ChooseGameDirectoryTest, PickedFolderIsWrittenTestedAndLoadedAfterTheNotice) {
    const Choice choice = GetParam().choice;
    // What 编辑框1 shows afterwards, and the notice the existence test leads to.
    std::string expectedDirectory;
    Notice expectedNotice = Notice::kWrong;
    switch (choice) {
        case Choice::kGoodFolder:
            expectedDirectory = good.Path();
            expectedNotice = Notice::kRight;
            break;
        case Choice::kFolderWithoutFile: expectedDirectory = bare.Path(); break;
        case Choice::kDriveC:
            expectedDirectory = "C:\\";
            if (FileExists(std::string("C:") + driver::kRoomNameSuffix)) {
                expectedNotice = Notice::kRight;
            }
            break;
        case Choice::kComputer: expectedDirectory = ""; break;
        case Choice::kCancel:
            expectedDirectory = detected.Path();
            expectedNotice = Notice::kNone;
            break;
    }

    PostMessageA(app->Control("按钮1"), BM_CLICK, 0, 0);
    const std::optional<picker_driver::Picker> picker =
        picker_driver::WaitForPicker(app->process().Id(), kPickerTimeoutMs);
    ASSERT_TRUE(picker.has_value()) << "no folder picker after the click";
    EXPECT_FALSE(IsWindowEnabled(app->Main())) << "main window usable under the picker";

    std::string problem;
    HTREEITEM item = ItemFor(choice, picker->tree, &problem);
    if (item && picker_driver::Select(picker->tree, item)) {
        picker_driver::Press(*picker, picker_driver::kOkId);
    } else {
        if (item) problem = "the item could not be selected";
        picker_driver::Press(*picker, picker_driver::kCancelId);
    }
    ASSERT_EQ(problem, "");
    ASSERT_TRUE(driver::WaitUntil([&] { return !IsWindow(picker->dialog); }))
        << "the picker did not close";

    if (expectedNotice == Notice::kNone) {
        ASSERT_TRUE(driver::WaitUntil([&] { return IsWindowEnabled(app->Main()) != 0; }))
            << "main window not enabled after the picker";
        // The handler has run to its end once the thread takes messages again; a notice it
        // opened would stand by then. Watch a moment longer all the same.
        ASSERT_TRUE(driver::Responds(app->Main()));
        const DWORD pid = app->process().Id();
        const bool noticeSeen =
            driver::WaitUntil([&] { return driver::AnyDialog(pid) != nullptr; }, 1000);
        EXPECT_FALSE(noticeSeen) << "a notice after a cancelled picker";
        EXPECT_EQ(Box("编辑框1"), expectedDirectory);
        EXPECT_EQ(Box("编辑框2"), "旧房名");
        return;
    }

    const driver::MessageBoxSeen notice = driver::WaitForMessageBox(app->process().Id());
    ASSERT_NE(notice.box, nullptr) << "no notice after the picker";
    EXPECT_EQ(notice.caption, kDefaultCaption);
    EXPECT_NE(driver::IconHandle(notice.box), nullptr) << "the notice shows no icon";
    EXPECT_FALSE(IsWindowEnabled(app->Main())) << "main window usable under the notice";
    EXPECT_EQ(Box("编辑框1"), expectedDirectory);
    // Nothing is loaded before the notice is closed.
    EXPECT_EQ(Box("编辑框2"), "旧房名");
    if (expectedNotice == Notice::kRight) {
        EXPECT_EQ(notice.text, "目录选择正确");
        EXPECT_TRUE(driver::ShowsStockIcon(notice.box, IDI_INFORMATION)) << "no information icon";
        EXPECT_FALSE(driver::ShowsErrorIcon(notice.box));
    } else {
        EXPECT_EQ(notice.text, "目录选择错误");
        EXPECT_TRUE(driver::ShowsErrorIcon(notice.box)) << "no stop icon";
        EXPECT_FALSE(driver::ShowsStockIcon(notice.box, IDI_INFORMATION));
    }

    driver::PressButton(notice.box, IDOK);
    ASSERT_TRUE(driver::WaitUntil([&] { return !IsWindow(notice.box); })) << "notice not closed";
    ASSERT_TRUE(driver::WaitUntil([&] { return IsWindowEnabled(app->Main()) != 0; }))
        << "main window not enabled after the notice";
    ASSERT_TRUE(driver::Responds(app->Main()));
    EXPECT_EQ(Box("编辑框1"), expectedDirectory);
    if (choice == Choice::kGoodFolder) {
        EXPECT_EQ(Box("编辑框2"), "新房名") << "the name was not loaded after the notice";
    } else if (expectedNotice == Notice::kWrong) {
        EXPECT_EQ(Box("编辑框2"), "旧房名");
    }
    EXPECT_EQ(driver::AnyDialog(app->process().Id()), nullptr) << "a second notice";
}

INSTANTIATE_TEST_SUITE_P(Picker, ChooseGameDirectoryTest, ::testing::ValuesIn(kPickCases),
                         [](const ::testing::TestParamInfo<PickCase>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
