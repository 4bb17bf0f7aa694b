// The picker driver on a picker of another process, as the end-to-end tests use it: the tree's
// texts are read through memory of that process.
#include <gtest/gtest.h>

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "tests/support/picker_driver.h"
#include "tests/support/scratch_files.h"

namespace {

constexpr DWORD kTimeoutMs = 20000;

std::string HostPath() {
    char self[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string path(self, length);
    return path.substr(0, path.find_last_of('\\') + 1) + PICKER_HOST_NAME;
}

// Starts the host, lets `choose` pick an item in its picker (null: cancel) and gives back what
// the host reported, or a line starting with "error:".
template <typename Choose>
std::string PickInHost(const scratch::Dir& dir, Choose choose) {
    const std::string reportPath = dir.Join("report.txt");
    std::string command = "\"" + HostPath() + "\" \"" + reportPath + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return "error: cannot start " + HostPath();
    }
    std::string outcome;
    const std::optional<picker_driver::Picker> picker =
        picker_driver::WaitForPicker(process.dwProcessId, kTimeoutMs);
    if (!picker) {
        outcome = "error: no picker appeared";
        TerminateProcess(process.hProcess, 1);
    } else {
        HTREEITEM item = choose(picker->tree);
        if (item && picker_driver::Select(picker->tree, item)) {
            picker_driver::Press(*picker, picker_driver::kOkId);
        } else {
            picker_driver::Press(*picker, picker_driver::kCancelId);
        }
    }
    if (WaitForSingleObject(process.hProcess, kTimeoutMs) != WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, 1);
        if (outcome.empty()) outcome = "error: the host did not end";
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    if (!outcome.empty()) return outcome;
    return scratch::ReadBytes(reportPath).value_or("error: no report");
}

TEST(PickerAcrossProcesses, DriverFindsSelectsAndPresses) {
    scratch::Dir dir;
    ASSERT_TRUE(dir.Valid());
    const std::string folder = dir.Join("穿越火线");
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));

    struct Case {
        const char* what;
        HTREEITEM (*choose)(HWND tree, const std::string& folder);
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"a GBK folder",
         [](HWND tree, const std::string& path) { return picker_driver::FindFolder(tree, path); },
         "path:" + folder},
        {"the computer",
         [](HWND tree, const std::string&) {
             HTREEITEM drive = picker_driver::FindDrive(tree, 'C');
             return drive ? picker_driver::Parent(tree, drive) : nullptr;
         },
         "path:"},
        {"cancel", [](HWND, const std::string&) -> HTREEITEM { return nullptr; }, "cancelled"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(PickInHost(dir, [&](HWND tree) { return c.choose(tree, folder); }), c.expected);
    }
}

}  // namespace
