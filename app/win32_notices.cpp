#include "app/win32_notices.h"

#include <windows.h>

namespace app {

unsigned NoticeStyle(unsigned icon) {
    return (icon & MB_SYSTEMMODAL) ? icon : icon | MB_TASKMODAL;
}

// No owner: task-modal, the box disables every top-level window of the thread while it is open.
void Win32Notices::Show(const std::string& text, unsigned icon, const char* caption) {
    MessageBoxA(nullptr, text.c_str(), caption ? caption : kDefaultNoticeCaption, NoticeStyle(icon));
}

}  // namespace app
