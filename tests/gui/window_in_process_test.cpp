// What another process cannot read of the main window under Wine (class brush, fonts, icons),
// checked on the window built in this test's own process by the frame itself.
#include <gtest/gtest.h>
#include <windows.h>

#include "app/main_window.h"
#include "app/window_template.h"

namespace {

// The size of an icon's image, through its colour bitmap (or its mask, twice as high).
SIZE IconSize(HICON icon) {
    ICONINFO info = {};
    if (!icon || !GetIconInfo(icon, &info)) return {0, 0};
    BITMAP bitmap = {};
    GetObjectA(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bitmap, &bitmap);
    const SIZE size = {bitmap.bmWidth, info.hbmColor ? bitmap.bmHeight : bitmap.bmHeight / 2};
    if (info.hbmColor) DeleteObject(info.hbmColor);
    if (info.hbmMask) DeleteObject(info.hbmMask);
    return size;
}

HWND Control(const char* name) {
    return frame::ControlWindow(frame::FindControl(*frame::MainWindowTemplate(), name));
}

TEST(MainWindowInProcess, ClassFontIconsAndEditBoxSetUp) {
    ASSERT_TRUE(frame::LoadMainWindow(GetModuleHandleA(nullptr), *frame::MainWindowTemplate()));
    HWND main = frame::MainWindow();
    ASSERT_NE(main, nullptr);

    // Redrawn on size changes, double clicks, and a hollow class background: the window fills
    // its own background with the button-face colour.
    EXPECT_EQ(GetClassLongPtrA(main, GCL_STYLE), ULONG_PTR{CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS});
    const auto hollow = reinterpret_cast<ULONG_PTR>(GetStockObject(NULL_BRUSH));
    EXPECT_EQ(GetClassLongPtrA(main, GCLP_HBRBACKGROUND), hollow);
    EXPECT_EQ(GetClassLongPtrA(Control("透明标签1"), GCLP_HBRBACKGROUND), hollow);

    // The executable's icon group, loaded at 32 and at 16 pixels.
    const SIZE big = IconSize(reinterpret_cast<HICON>(SendMessageA(main, WM_GETICON, ICON_BIG, 0)));
    const SIZE small =
        IconSize(reinterpret_cast<HICON>(SendMessageA(main, WM_GETICON, ICON_SMALL, 0)));
    EXPECT_EQ(big.cx, 32);
    EXPECT_EQ(big.cy, 32);
    EXPECT_EQ(small.cx, 16);
    EXPECT_EQ(small.cy, 16);

    const auto guiFont = reinterpret_cast<LRESULT>(GetStockObject(DEFAULT_GUI_FONT));
    for (const char* name : {"按钮1", "按钮2", "编辑框1", "编辑框2"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(SendMessageA(Control(name), WM_GETFONT, 0, 0), guiFont);
    }
    // EM_LIMITTEXT with 0 leaves the system's maximum; the caret starts at the beginning.
    for (const char* name : {"编辑框1", "编辑框2"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(SendMessageA(Control(name), EM_GETLIMITTEXT, 0, 0), 0x7FFFFFFE);
        DWORD start = 1, end = 1;
        SendMessageA(Control(name), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                     reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(start, 0u);
        EXPECT_EQ(end, 0u);
    }
    DestroyWindow(main);
}

}  // namespace
