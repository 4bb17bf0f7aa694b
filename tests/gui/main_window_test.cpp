// The real main window of roomname.exe, read from outside as a person's tools would.
#include <gtest/gtest.h>

#include <string>

#include "driver/app_under_test.h"
#include "driver/screenshot.h"
#include "driver/window_query.h"

namespace {

using driver::AppUnderTest;

class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(app.Ready()) << "roomname.exe showed no main window"; }
    AppUnderTest app{driver::RoomnameExe()};
};

TEST_F(MainWindowTest, TitleStylesAndCentredOuterRectangle) {
    EXPECT_EQ(driver::TextOf(app.Main()), "Morvane Ravelgate");
    RECT r;
    GetWindowRect(app.Main(), &r);
    // Centred on the 1024x768 desktop at exactly 274x153 outside.
    EXPECT_EQ(r.left, 375);
    EXPECT_EQ(r.top, 307);
    EXPECT_EQ(r.right, 649);
    EXPECT_EQ(r.bottom, 460);

    LONG style = GetWindowLongA(app.Main(), GWL_STYLE);
    EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN),
              WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN);
    EXPECT_EQ(style & (WS_MAXIMIZEBOX | WS_THICKFRAME), 0);
    EXPECT_EQ(GetWindow(app.Main(), GW_OWNER), nullptr);
    EXPECT_EQ(GetMenu(app.Main()), nullptr);
}

struct ExpectedControl {
    const char* name;
    const char* className;
    const char* text;  // null: the edit box's text depends on what detection found
    RECT place;        // outer rectangle in the client area
    SIZE client;
    LONG style;  // without WS_VISIBLE
    LONG exStyle;
};

constexpr LONG kButton = WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP | BS_PUSHBUTTON | BS_CENTER |
                         BS_VCENTER | BS_MULTILINE;
constexpr LONG kEdit = WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL;
constexpr LONG kLabel = WS_CHILD | WS_CLIPSIBLINGS;

// Top of the stacking order first: the template order. Styles are compared whole, so a
// BS_DEFPUSHBUTTON, a missing BS_MULTILINE or WS_TABSTOP, or a WS_BORDER would show.
const ExpectedControl kControls[] = {
    {"按钮2", "Button", "更改房名", {146, 82, 242, 114}, {96, 32}, kButton, 0},
    {"透明标签2", "RoomnameTransparentLabel", "默认房名:", {8, 43, 64, 67}, {56, 24}, kLabel,
     WS_EX_TRANSPARENT},
    {"编辑框2", "Edit", nullptr, {66, 45, 258, 65}, {188, 16}, kEdit, WS_EX_CLIENTEDGE},
    {"透明标签1", "RoomnameTransparentLabel", "选择CF目录:", {8, 8, 82, 32}, {74, 24}, kLabel,
     WS_EX_TRANSPARENT},
    {"按钮1", "Button", "选择目录", {10, 83, 106, 115}, {96, 32}, kButton, 0},
    {"编辑框1", "Edit", nullptr, {77, 10, 259, 30}, {178, 16}, kEdit, WS_EX_CLIENTEDGE},
};

TEST_F(MainWindowTest, SixControlsInTemplateStackingOrder) {
    std::vector<HWND> children = driver::ChildrenTopToBottom(app.Main());
    ASSERT_EQ(children.size(), std::size(kControls));
    for (size_t i = 0; i < children.size(); ++i) {
        const ExpectedControl& want = kControls[i];
        SCOPED_TRACE(want.name);
        HWND c = children[i];
        EXPECT_STRCASEEQ(driver::ClassOf(c).c_str(), want.className);
        if (want.text) {
            EXPECT_EQ(driver::TextOf(c), want.text);
        }
        RECT r = driver::RectInParent(c);
        EXPECT_EQ(r.left, want.place.left);
        EXPECT_EQ(r.top, want.place.top);
        EXPECT_EQ(r.right, want.place.right);
        EXPECT_EQ(r.bottom, want.place.bottom);
        RECT client;
        GetClientRect(c, &client);
        EXPECT_EQ(client.right, want.client.cx);
        EXPECT_EQ(client.bottom, want.client.cy);
        LONG style = GetWindowLongA(c, GWL_STYLE);
        EXPECT_TRUE(style & WS_VISIBLE);
        EXPECT_EQ(style & ~WS_VISIBLE, want.style);
        EXPECT_EQ(GetWindowLongA(c, GWL_EXSTYLE), want.exStyle);
        EXPECT_TRUE(IsWindowEnabled(c));
    }
}

TEST_F(MainWindowTest, CreatedEventRanBeforeTheWindowWasShown) {
    // 编辑框1 is empty in the template; detection fills it (a directory or the sentinel) while
    // the window is still hidden, so it is never seen empty.
    EXPECT_FALSE(driver::TextOf(app.Control("编辑框1")).empty());
}

TEST_F(MainWindowTest, ClosingEndsTheProcessWithExitCodeZero) {
    PostMessageA(app.Main(), WM_CLOSE, 0, 0);
    DWORD code = 1;
    ASSERT_TRUE(app.process().WaitForExit(10000, &code));
    EXPECT_EQ(code, 0u);
}

TEST_F(MainWindowTest, SavesAPictureOfTheShownWindow) {
    // For a person to look at (Chinese drawn, no boxes); the test only checks it was written.
    Sleep(500);  // let the first paint finish
    std::string path = driver::BesideTestProgram(ROOMNAME_SHOT_RELATIVE);
    EXPECT_TRUE(driver::SaveWindowPicture(app.Main(), path)) << path;
}

}  // namespace
