#include "app/key_filter.h"

#include "app/focus_navigation.h"
#include "app/main_window.h"

namespace frame {

bool TakeKeyMessage(const MSG& msg) {
    if (msg.message != WM_KEYDOWN || msg.wParam != VK_TAB) return false;
    HWND main = MainWindow();
    if (!main || (msg.hwnd != main && !IsChild(main, msg.hwnd))) return false;
    MoveFocusByTab(GetKeyState(VK_SHIFT) < 0);
    return true;
}

}  // namespace frame
