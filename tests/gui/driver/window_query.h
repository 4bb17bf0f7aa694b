// Finding and reading another process's windows.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace driver {

// Polls until `found` gives a window or the time is up; null then.
template <typename Find>
HWND WaitFor(Find found, DWORD timeoutMs = 10000) {
    for (DWORD waited = 0;; waited += 20) {
        if (HWND hwnd = found()) return hwnd;
        if (waited >= timeoutMs) return nullptr;
        Sleep(20);
    }
}

// The top-level windows of a process, of the given class (any class for null).
std::vector<HWND> TopLevelWindows(DWORD processId, const char* className = nullptr);
// The process's visible top-level window titled `title`, waiting for it to be shown.
HWND WaitForVisibleWindow(DWORD processId, const char* title, DWORD timeoutMs = 10000);

// The children of a window from the top of the stacking order to the bottom.
std::vector<HWND> ChildrenTopToBottom(HWND parent);

std::string ClassOf(HWND hwnd);
// The text by WM_GETTEXT, which also works across processes.
std::string TextOf(HWND hwnd);
// The child's outer rectangle in its parent's client coordinates.
RECT RectInParent(HWND child);
// The window that has the keyboard focus in the given GUI thread.
HWND FocusOf(DWORD threadId);

}  // namespace driver
