#include "window_query.h"

namespace driver {
namespace {

struct Search {
    DWORD processId;
    const char* className;
    std::vector<HWND>* out;
};

BOOL CALLBACK Collect(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    if (owner == search->processId &&
        (!search->className || lstrcmpiA(ClassOf(hwnd).c_str(), search->className) == 0))
        search->out->push_back(hwnd);
    return TRUE;
}

}  // namespace

std::vector<HWND> TopLevelWindows(DWORD processId, const char* className) {
    std::vector<HWND> found;
    Search search{processId, className, &found};
    EnumWindows(Collect, reinterpret_cast<LPARAM>(&search));
    return found;
}

HWND WaitForVisibleWindow(DWORD processId, const char* title, DWORD timeoutMs) {
    return WaitFor(
        [&]() -> HWND {
            for (HWND hwnd : TopLevelWindows(processId))
                if (IsWindowVisible(hwnd) && TextOf(hwnd) == title) return hwnd;
            return nullptr;
        },
        timeoutMs);
}

std::vector<HWND> ChildrenTopToBottom(HWND parent) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}

std::string ClassOf(HWND hwnd) {
    char name[256];
    int n = GetClassNameA(hwnd, name, sizeof name);
    return std::string(name, n > 0 ? n : 0);
}

std::string TextOf(HWND hwnd) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(hwnd, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length))
        return std::string();
    std::string text(length + 1, '\0');
    DWORD_PTR got = 0;
    SendMessageTimeoutA(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]),
                        SMTO_ABORTIFHUNG, 5000, &got);
    text.resize(got);
    return text;
}

bool SetTextOf(HWND hwnd, const std::string& text) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                               SMTO_ABORTIFHUNG, 5000, &result) &&
           result != 0;
}

bool Responds(HWND hwnd, DWORD timeoutMs) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(hwnd, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, timeoutMs, &result) != 0;
}

RECT RectInParent(HWND child) {
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

HWND FocusOf(DWORD threadId) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(threadId, &info) ? info.hwndFocus : nullptr;
}

}  // namespace driver
