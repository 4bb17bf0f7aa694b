#include "tests/support/picker_driver.h"

#include <cstring>

namespace picker_driver {
namespace {

constexpr int kMaxText = 1024;

bool IsPicker(HWND window, Picker* found) {
    char className[32] = {};
    GetClassNameA(window, className, sizeof className);
    if (std::strcmp(className, "#32770") != 0 || !IsWindowVisible(window)) return false;
    HWND tree = GetDlgItem(window, kTreeId);
    if (!tree) return false;
    char treeClass[32] = {};
    GetClassNameA(tree, treeClass, sizeof treeClass);
    if (std::strcmp(treeClass, WC_TREEVIEWA) != 0) return false;
    found->dialog = window;
    found->tree = tree;
    return true;
}

struct Search {
    DWORD processId;
    Picker found;
    bool done;
};

BOOL CALLBACK VisitTopLevel(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && IsPicker(window, &search->found)) {
        search->done = true;
        return FALSE;
    }
    return TRUE;
}

// The tree's text lives in its own process; TVM_GETITEMA needs the item and the buffer there.
std::optional<std::string> RemoteItemText(HWND tree, DWORD processId, HTREEITEM item) {
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE,
                                 FALSE, processId);
    if (!process) return std::nullopt;
    std::optional<std::string> text;
    auto* remote = static_cast<char*>(VirtualAllocEx(process, nullptr, sizeof(TVITEMA) + kMaxText,
                                                     MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
    if (remote) {
        TVITEMA request = {};
        request.mask = TVIF_TEXT | TVIF_HANDLE;
        request.hItem = item;
        request.pszText = remote + sizeof(TVITEMA);
        request.cchTextMax = kMaxText;
        char buffer[kMaxText] = {};
        if (WriteProcessMemory(process, remote, &request, sizeof request, nullptr) &&
            WriteProcessMemory(process, request.pszText, buffer, 1, nullptr) &&
            SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(remote)) &&
            ReadProcessMemory(process, request.pszText, buffer, kMaxText, nullptr)) {
            buffer[kMaxText - 1] = '\0';
            text = std::string(buffer);
        }
        VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    }
    CloseHandle(process);
    return text;
}

}  // namespace

std::optional<Picker> WaitForPicker(DWORD processId, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        Search search = {processId, {}, false};
        EnumWindows(&VisitTopLevel, reinterpret_cast<LPARAM>(&search));
        if (search.done) return search.found;
        if (GetTickCount() - start >= timeoutMs) return std::nullopt;
        Sleep(50);
    }
}

std::optional<std::string> ItemText(HWND tree, HTREEITEM item) {
    DWORD processId = 0;
    GetWindowThreadProcessId(tree, &processId);
    if (processId != GetCurrentProcessId()) return RemoteItemText(tree, processId, item);
    char buffer[kMaxText] = {};
    TVITEMA request = {};
    request.mask = TVIF_TEXT | TVIF_HANDLE;
    request.hItem = item;
    request.pszText = buffer;
    request.cchTextMax = kMaxText;
    if (!SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&request))) {
        return std::nullopt;
    }
    return std::string(request.pszText ? request.pszText : "");
}

std::vector<HTREEITEM> Children(HWND tree, HTREEITEM item) {
    std::vector<HTREEITEM> children;
    HTREEITEM child = nullptr;
    if (item) {
        SendMessageA(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item));
        child = TreeView_GetChild(tree, item);
    } else {
        child = TreeView_GetRoot(tree);
    }
    for (; child; child = TreeView_GetNextSibling(tree, child)) children.push_back(child);
    return children;
}

HTREEITEM Parent(HWND tree, HTREEITEM item) { return TreeView_GetParent(tree, item); }

HTREEITEM FindChild(HWND tree, HTREEITEM parent, const std::string& text) {
    for (HTREEITEM child : Children(tree, parent)) {
        const std::optional<std::string> got = ItemText(tree, child);
        if (got && lstrcmpiA(got->c_str(), text.c_str()) == 0) return child;
    }
    return nullptr;
}

HTREEITEM FindDrive(HWND tree, char letter) {
    const std::string mark = std::string("(") + letter + ":)";
    for (HTREEITEM top : Children(tree, nullptr)) {
        for (HTREEITEM place : Children(tree, top)) {
            // Each place is expanded to look inside; only the computer lists drives.
            for (HTREEITEM drive : Children(tree, place)) {
                const std::optional<std::string> text = ItemText(tree, drive);
                if (text && text->find(mark) != std::string::npos) return drive;
            }
        }
    }
    return nullptr;
}

HTREEITEM FindFolder(HWND tree, const std::string& path) {
    if (path.size() < 2 || path[1] != ':') return nullptr;
    HTREEITEM item = FindDrive(tree, path[0]);
    size_t at = 2;
    while (item && at < path.size()) {
        if (path[at] == '\\') {
            ++at;
            continue;
        }
        const size_t end = path.find('\\', at);
        const std::string name = path.substr(at, end == std::string::npos ? end : end - at);
        item = FindChild(tree, item, name);
        at = end == std::string::npos ? path.size() : end;
    }
    return item;
}

bool Select(HWND tree, HTREEITEM item) {
    return SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item)) != 0;
}

bool Press(const Picker& picker, int buttonId) {
    HWND button = GetDlgItem(picker.dialog, buttonId);
    return PostMessageA(picker.dialog, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED),
                        reinterpret_cast<LPARAM>(button)) != 0;
}

}  // namespace picker_driver
