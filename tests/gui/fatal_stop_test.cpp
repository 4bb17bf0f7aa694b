// The fatal stop, met on purpose by a probe program built from the frame.
#include <gtest/gtest.h>

#include <string>

#include "driver/message_box.h"
#include "driver/process.h"
#include "driver/window_query.h"

namespace {

struct Cause {
    const char* args;
    const char* message;
};

const Cause kCauses[] = {
    {"template", "载入窗口模板数据段出错!"},
    {"bad-kind", "载入窗口模板数据段出错!"},
    {"window", "载入启动窗口失败"},
    {"control", "载入启动窗口失败"},
    {"alloc 4611686018427387904", "分配 4611686018427387904 字节内存失败!"},
};

void PrintTo(const Cause& cause, std::ostream* os) { *os << cause.args; }

class FatalStopTest : public ::testing::TestWithParam<Cause> {};

TEST_P(FatalStopTest, ShowsTheReportThenEndsWithMinusOne) {
    driver::Process probe;
    ASSERT_TRUE(probe.Start(driver::BesideTestProgram("frame_probe.exe"), GetParam().args));
    driver::MessageBoxSeen seen = driver::WaitForMessageBox(probe.Id());
    ASSERT_NE(seen.box, nullptr) << [&] {
        std::string windows;
        for (HWND hwnd : driver::TopLevelWindows(probe.Id()))
            windows += driver::ClassOf(hwnd) + " \"" + driver::TextOf(hwnd) + "\"; ";
        return "windows of the probe: " + windows;
    }();
    EXPECT_EQ(seen.caption, "错误");
    EXPECT_EQ(seen.text, std::string("运行时出错!\r\n\r\n错误信息：") + GetParam().message + "\r\n");
    EXPECT_TRUE(driver::ShowsErrorIcon(seen.box));
    // No main window was shown before the stop (the one with an allocation stays hidden).
    EXPECT_EQ(driver::WaitForVisibleWindow(probe.Id(), "Morvane Ravelgate", 0), nullptr);

    driver::PressButton(seen.box, IDOK);
    DWORD code = 0;
    ASSERT_TRUE(probe.WaitForExit(10000, &code));
    EXPECT_EQ(code, 0xFFFFFFFFu);
}

INSTANTIATE_TEST_SUITE_P(Causes, FatalStopTest, ::testing::ValuesIn(kCauses),
                         [](const ::testing::TestParamInfo<Cause>& info) {
                             std::string name = info.param.args;
                             name = name.substr(0, name.find(' '));
                             for (char& c : name)
                                 if (c == '-') c = '_';
                             return name;
                         });

}  // namespace
