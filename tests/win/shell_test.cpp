// Win32Shell: the existence test on real paths, and the folder picker driven through its tree
// from a second thread, as a person would click it.
#include <gtest/gtest.h>

#include <windows.h>
#include <ole2.h>

#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "app/ports/win32_shell.h"
#include "tests/support/picker_driver.h"
#include "tests/support/scratch_files.h"

namespace {

constexpr DWORD kPickerTimeoutMs = 20000;
// The classic dialog's instruction text above the tree.
constexpr int kInstructionId = 0x3742;

TEST(Win32ShellPathExists, FilesAndDirectoriesExistOthersDoNot) {
    scratch::Dir dir;
    ASSERT_TRUE(dir.Valid());
    const std::string folder = dir.Join("rez");
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    ASSERT_TRUE(scratch::WriteBytes(folder + "\\roomname.txt", "1\r\nA\r\n"));
    ASSERT_TRUE(scratch::WriteBytes(dir.Join("房名.txt"), ""));

    char previous[MAX_PATH] = {};
    ASSERT_NE(GetCurrentDirectoryA(MAX_PATH, previous), 0u);
    ASSERT_TRUE(SetCurrentDirectoryA(dir.Path().c_str()));

    struct Case {
        std::string path;
        bool exists;
    };
    const std::vector<Case> cases = {
        {folder + "\\roomname.txt", true},
        {folder, true},
        {dir.Join("房名.txt"), true},
        {folder + "\\missing.txt", false},
        {dir.Join("missing\\roomname.txt"), false},
        {folder + "\\", false},  // FindFirstFileA takes a trailing backslash as no match
        {"rez\\roomname.txt", true},  // relative to the current directory
        {"rez\\missing.txt", false},
        {"", false},
    };
    app::Win32Shell shell;
    for (const Case& c : cases) {
        EXPECT_EQ(shell.PathExists(c.path), c.exists) << "\"" << c.path << "\"";
    }
    SetCurrentDirectoryA(previous);
}

// A plain top-level window of the test thread, so the picker has windows to disable.
class TopLevelWindow {
  public:
    explicit TopLevelWindow(bool enabled) {
        window_ = CreateWindowExA(0, "STATIC", "roomname test window", WS_OVERLAPPEDWINDOW,
                                  10, 10, 200, 100, nullptr, nullptr, nullptr, nullptr);
        if (!window_) return;
        EnableWindow(window_, enabled ? TRUE : FALSE);
        ShowWindow(window_, SW_SHOW);
    }
    ~TopLevelWindow() {
        if (window_) DestroyWindow(window_);
    }
    TopLevelWindow(const TopLevelWindow&) = delete;
    TopLevelWindow& operator=(const TopLevelWindow&) = delete;
    HWND Get() const { return window_; }

  private:
    HWND window_ = nullptr;
};

// What the second thread does with the open picker; it returns the item to choose, or null to
// cancel. Any failure is written to *problem and the picker is cancelled, so the test never hangs.
using Choice = std::function<HTREEITEM(const picker_driver::Picker&, std::string* problem)>;

class PickFolderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
        oleStarted_ = true;
        ASSERT_TRUE(dir_.Valid());
    }
    void TearDown() override {
        if (oleStarted_) OleUninitialize();
    }

    // Shows the picker on this thread while `choose` drives it from another one.
    std::optional<std::string> Pick(const Choice& choose, std::string* problem) {
        std::thread driver([&] {
            const std::optional<picker_driver::Picker> picker =
                picker_driver::WaitForPicker(GetCurrentProcessId(), kPickerTimeoutMs);
            if (!picker) {
                *problem = "no picker appeared";
                return;
            }
            HTREEITEM item = choose(*picker, problem);
            if (item && picker_driver::Select(picker->tree, item)) {
                picker_driver::Press(*picker, picker_driver::kOkId);
            } else {
                if (item) *problem = "the item could not be selected";
                picker_driver::Press(*picker, picker_driver::kCancelId);
            }
        });
        std::optional<std::string> result = shell_.PickFolder("选择CF目录");
        driver.join();
        return result;
    }

    scratch::Dir dir_;
    app::Win32Shell shell_;
    bool oleStarted_ = false;
};

TEST_F(PickFolderTest, ChosenItemGivesItsPathEmptyTextOrNothing) {
    const std::string folder = dir_.Join("CrossFire");
    const std::string gbkFolder = dir_.Join("穿越火线");
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryA(gbkFolder.c_str(), nullptr));

    auto folderItem = [](const std::string& path) {
        return [path](const picker_driver::Picker& picker, std::string* problem) {
            HTREEITEM item = picker_driver::FindFolder(picker.tree, path);
            if (!item) *problem = "no tree item for " + path;
            return item;
        };
    };
    auto driveC = [](const picker_driver::Picker& picker, std::string* problem) {
        HTREEITEM item = picker_driver::FindDrive(picker.tree, 'C');
        if (!item) *problem = "no tree item for drive C";
        return item;
    };
    auto computer = [&](const picker_driver::Picker& picker, std::string* problem) {
        HTREEITEM drive = driveC(picker, problem);
        return drive ? picker_driver::Parent(picker.tree, drive) : nullptr;
    };
    auto cancel = [](const picker_driver::Picker&, std::string*) -> HTREEITEM { return nullptr; };

    struct Case {
        const char* what;
        Choice choose;
        std::optional<std::string> expected;
    };
    const std::vector<Case> cases = {
        {"cancel", cancel, std::nullopt},
        {"a folder", folderItem(folder), folder},
        {"a GBK folder", folderItem(gbkFolder), gbkFolder},
        {"a drive root", driveC, std::string("C:\\")},
        {"the computer", computer, std::string()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::string problem;
        const std::optional<std::string> got = Pick(c.choose, &problem);
        ASSERT_EQ(problem, "");
        EXPECT_EQ(got.has_value(), c.expected.has_value());
        if (got && c.expected) {
            EXPECT_EQ(*got, *c.expected);
        }
    }
}

TEST_F(PickFolderTest, ThreadWindowsAreDisabledWhileOpenAndGetTheirOwnStateBack) {
    TopLevelWindow enabled(true);
    TopLevelWindow disabled(false);
    ASSERT_TRUE(enabled.Get() && disabled.Get());
    SetForegroundWindow(enabled.Get());
    SetActiveWindow(enabled.Get());
    ASSERT_EQ(GetActiveWindow(), enabled.Get());

    bool enabledWhileOpen = true;
    bool disabledWhileOpen = true;
    HWND owner = nullptr;
    std::string instruction;
    std::string problem;
    const std::optional<std::string> got = Pick(
        [&](const picker_driver::Picker& picker, std::string*) -> HTREEITEM {
            enabledWhileOpen = IsWindowEnabled(enabled.Get()) != 0;
            disabledWhileOpen = IsWindowEnabled(disabled.Get()) != 0;
            owner = GetWindow(picker.dialog, GW_OWNER);
            char text[256] = {};
            GetDlgItemTextA(picker.dialog, kInstructionId, text, sizeof text);
            instruction = text;
            return nullptr;
        },
        &problem);
    ASSERT_EQ(problem, "");
    EXPECT_FALSE(got.has_value());

    EXPECT_FALSE(enabledWhileOpen) << "the active window stayed enabled under the picker";
    EXPECT_FALSE(disabledWhileOpen);
    EXPECT_EQ(owner, enabled.Get()) << "the picker is owned by the active window";
    EXPECT_EQ(instruction, "选择CF目录");
    EXPECT_TRUE(IsWindowEnabled(enabled.Get())) << "not enabled again";
    EXPECT_FALSE(IsWindowEnabled(disabled.Get())) << "a window disabled before was enabled";
    EXPECT_EQ(GetActiveWindow(), enabled.Get()) << "activation not given back";
}

}  // namespace
