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

// Polls until `check` holds or the time is up; false then.
template <typename Check>
bool WaitUntil(Check check, DWORD timeoutMs = 10000) {
    for (DWORD waited = 0;; waited += 20) {
        if (check()) return true;
        if (waited >= timeoutMs) return false;
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
// Replaces the window's whole text by WM_SETTEXT, as typing it would; false when not taken.
bool SetTextOf(HWND hwnd, const std::string& text);
// True once the window's thread has taken a sent message: whatever it was doing in the handler
// before its next message (a box it opens, a text it writes) has been done.
bool Responds(HWND hwnd, DWORD timeoutMs = 5000);
// The child's outer rectangle in its parent's client coordinates.
RECT RectInParent(HWND child);
// The window that has the keyboard focus in the given GUI thread.
HWND FocusOf(DWORD threadId);

}  // namespace driver
