// Keys and focus in the real main window, typed with SendInput into the foreground window.
#include <gtest/gtest.h>

#include "driver/app_under_test.h"
#include "driver/keys.h"
#include "driver/message_box.h"
#include "driver/window_query.h"

namespace {

using driver::AppUnderTest;

class KeyboardTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(app.Ready()) << "roomname.exe showed no main window";
        ASSERT_TRUE(driver::BringToFront(app.Main()));
    }
    // The focus after the key has been handled.
    HWND FocusAfter(WORD key, bool shift = false) {
        HWND before = app.Focus();
        driver::TypeKey(key, shift);
        driver::WaitFor([&] { return app.Focus() != before ? app.Focus() : nullptr; }, 1000);
        return app.Focus();
    }
    void FocusOn(const char* name) {
        HWND target = app.Control(name);
        for (int i = 0; i < 4 && app.Focus() != target; ++i) FocusAfter(VK_TAB);
        ASSERT_EQ(app.Focus(), target) << name;
    }
    AppUnderTest app{driver::RoomnameExe()};
};

const char* const kTabCycle[] = {"编辑框1", "按钮1", "编辑框2", "按钮2"};

TEST_F(KeyboardTest, FirstFocusIsInGameDirectoryBox) {
    EXPECT_EQ(driver::WaitFor([&] { return app.Focus(); }, 2000), app.Control("编辑框1"));
}

TEST_F(KeyboardTest, TabVisitsTheFourControlsForwardAndShiftTabBackward) {
    ASSERT_EQ(driver::WaitFor([&] { return app.Focus(); }, 2000), app.Control("编辑框1"));
    for (int step = 1; step <= 5; ++step)  // one full round and back to the start
        EXPECT_EQ(FocusAfter(VK_TAB), app.Control(kTabCycle[step % 4])) << "Tab #" << step;
    for (int step = 1; step <= 5; ++step)  // from 按钮1 backward: 编辑框1, 按钮2, 编辑框2, ...
        EXPECT_EQ(FocusAfter(VK_TAB, true), app.Control(kTabCycle[(1 - step + 8) % 4]))
            << "Shift+Tab #" << step;
}

TEST_F(KeyboardTest, EnterEscAndF1StartNothingAnywhere) {
    for (const char* name : kTabCycle) {
        FocusOn(name);
        for (WORD key : {VK_RETURN, VK_ESCAPE, VK_F1}) driver::TypeKey(key);
        Sleep(300);
        EXPECT_EQ(driver::AnyDialog(app.process().Id()), nullptr) << "a box opened on " << name;
        EXPECT_TRUE(IsWindowVisible(app.Main())) << name;
        EXPECT_EQ(app.Focus(), app.Control(name)) << "focus moved from " << name;
    }
    EXPECT_TRUE(app.process().Running());
}

// The counterpart of the test above: the same way of watching does see a box when a key does
// start something. Space clicks the focused button, which runs its handler.
TEST_F(KeyboardTest, SpaceClicksTheFocusedButton) {
    for (const char* name : {"按钮1", "按钮2"}) {
        FocusOn(name);
        driver::TypeKey(VK_SPACE);
        HWND box = driver::WaitFor([&] { return driver::AnyDialog(app.process().Id()); }, 5000);
        ASSERT_NE(box, nullptr) << "no box after space on " << name;
        driver::PressButton(box, IDCANCEL);  // closes a notice (OK) and the picker alike
        driver::PressButton(box, IDOK);
        driver::WaitFor([&] { return IsWindow(box) ? nullptr : app.Main(); }, 5000);
        ASSERT_FALSE(IsWindow(box));
        ASSERT_TRUE(driver::BringToFront(app.Main()));
    }
}

TEST_F(KeyboardTest, FocusReturnsToItsControlAfterSwitchingAway) {
    FocusOn("编辑框2");
    // Another program's window takes the activation, then the main window gets it back.
    HWND other = CreateWindowExA(0, "STATIC", "other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200,
                                 100, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(driver::BringToFront(other));
    ASSERT_TRUE(driver::BringToFront(app.Main()));
    EXPECT_EQ(driver::WaitFor([&] { return app.Focus(); }, 2000), app.Control("编辑框2"));
    DestroyWindow(other);
}

}  // namespace
