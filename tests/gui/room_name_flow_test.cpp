// Changing the room name through the real window, as a person does it: the directory and the
// name typed into 编辑框1 and 编辑框2, a click on 按钮2, the notice read and closed, and then the
// room-name file checked byte for byte on disk.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "driver/app_under_test.h"
#include "driver/game_folder.h"
#include "driver/game_registry.h"
#include "driver/message_box.h"
#include "driver/window_query.h"
#include "tests/support/scratch_files.h"

namespace {

constexpr char kCaption[] = "Morvane提醒您";

// The four lines a change writes.
std::string Content(const std::string& name) {
    return "1\r\n" + name + "\r\n1\r\n" + name + "\r\n";
}

class RoomNameFlowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(GetACP(), 936u) << "the tests need code page 936 (LANG=zh_CN.UTF-8)";
        ASSERT_TRUE(game.Valid());
        // No detected directory: the boxes hold only what the test types.
        ASSERT_TRUE(registry.Remove());
        readOnly = scratch::ReadOnlyAttributesAsStored();
        ASSERT_NE(readOnly, INVALID_FILE_ATTRIBUTES);
    }

    void Start() {
        app.emplace(driver::RoomnameExe());
        ASSERT_TRUE(app->Ready()) << "roomname.exe showed no main window";
    }

    // Types the directory and the name, clicks 按钮2 and returns the notice it opened, still open.
    driver::MessageBoxSeen Change(const std::string& directory, const std::string& name) {
        EXPECT_TRUE(driver::SetTextOf(app->Control("编辑框1"), directory));
        EXPECT_TRUE(driver::SetTextOf(app->Control("编辑框2"), name));
        // Posted: the click's handler opens a modal box.
        PostMessageA(app->Control("按钮2"), BM_CLICK, 0, 0);
        return driver::WaitForMessageBox(app->process().Id());
    }

    // Presses OK; true once the box is gone and the main window is enabled again.
    bool Close(const driver::MessageBoxSeen& notice) {
        driver::PressButton(notice.box, IDOK);
        return driver::WaitUntil([&] { return !IsWindow(notice.box); }) &&
               driver::WaitUntil([&] { return IsWindowEnabled(app->Main()) != 0; });
    }

    driver::GameFolder game{"CrossFire"};
    driver::GameRegistryValue registry;
    DWORD readOnly = 0;
    // Last, so the process ends (and lets go of the file) before the folder is removed.
    std::optional<driver::AppUnderTest> app;
};

TEST_F(RoomNameFlowTest, EachChangeRewritesTheFileMarksItReadOnlyAndSaysWhatWasWritten) {
    // Left read-only by an earlier change, and longer than the first new content.
    ASSERT_TRUE(game.WriteRoomName(Content("ABCDEFGHIJKLMNOP")));
    ASSERT_TRUE(SetFileAttributesA(game.RoomNameFile().c_str(), FILE_ATTRIBUTE_READONLY));
    Start();

    // One run, one change after the other: each works on what the one before left.
    const std::vector<std::string> names = {
        "XY",           // shorter: the old tail must go
        "测试房间",     // GBK, and longer than the file it replaces
        "",             // the empty name
        " 空格 room ",  // neither trimmed nor otherwise touched
    };
    for (const std::string& name : names) {
        SCOPED_TRACE("name \"" + name + "\"");
        const driver::MessageBoxSeen notice = Change(game.Path(), name);
        ASSERT_NE(notice.box, nullptr) << "no notice after the click";
        EXPECT_EQ(notice.text, "成功修改为\"" + name + "\"");
        EXPECT_EQ(notice.caption, kCaption);
        EXPECT_EQ(driver::IconHandle(notice.box), nullptr) << "the success notice has no icon";
        EXPECT_FALSE(IsWindowEnabled(app->Main())) << "main window usable under the notice";
        ASSERT_TRUE(Close(notice)) << "notice not closed or main window not enabled again";

        const std::optional<std::string> bytes = scratch::ReadBytes(game.RoomNameFile());
        ASSERT_TRUE(bytes.has_value());
        EXPECT_EQ(*bytes, Content(name)) << "file holds " << bytes->size() << " bytes";
        EXPECT_EQ(GetFileAttributesA(game.RoomNameFile().c_str()), readOnly);
        EXPECT_EQ(driver::TextOf(app->Control("编辑框2")), name);
    }
    EXPECT_TRUE(app->process().Running());
}

TEST_F(RoomNameFlowTest, WithoutARoomNameFileTheChangeFailsAndCreatesNothing) {
    driver::GameFolder folderInPlace("FolderInPlace");
    ASSERT_TRUE(folderInPlace.MakeFolderInPlaceOfFile());
    Start();

    struct Case {
        const char* what;
        const driver::GameFolder& folder;
        DWORD attributesAfter;  // of the room-name path
    };
    const Case cases[] = {
        {"no file, no rez folder", game, INVALID_FILE_ATTRIBUTES},
        {"a folder named roomname.txt", folderInPlace,
         GetFileAttributesA(folderInPlace.RoomNameFile().c_str())},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const driver::MessageBoxSeen notice = Change(c.folder.Path(), "新房名");
        ASSERT_NE(notice.box, nullptr) << "no notice after the click";
        EXPECT_EQ(notice.text, "修改失败");
        EXPECT_EQ(notice.caption, kCaption);
        // The icon handle is read across processes as for the success notice, which has none.
        EXPECT_NE(driver::IconHandle(notice.box), nullptr);
        EXPECT_TRUE(driver::ShowsErrorIcon(notice.box)) << "no stop icon";
        EXPECT_FALSE(IsWindowEnabled(app->Main())) << "main window usable under the notice";
        ASSERT_TRUE(Close(notice)) << "notice not closed or main window not enabled again";
        EXPECT_EQ(GetFileAttributesA(c.folder.RoomNameFile().c_str()), c.attributesAfter);
    }
    EXPECT_EQ(GetFileAttributesA((game.Path() + "\\rez").c_str()), INVALID_FILE_ATTRIBUTES)
        << "the failed change made folders";
}

}  // namespace
