#include "app/ports/win32_shell.h"

#include <windows.h>
#include <shlobj.h>

#include <utility>
#include <vector>

namespace app {
namespace {

// Disables this thread's top-level windows for as long as it lives, then gives each one back
// the enabled state it had, so a window that was disabled before stays disabled.
class ThreadWindowsDisabled {
  public:
    ThreadWindowsDisabled() {
        EnumThreadWindows(GetCurrentThreadId(), &Remember, reinterpret_cast<LPARAM>(&windows_));
        // Disabled only after the walk, so the walk sees every window in its own state.
        for (const auto& window : windows_) EnableWindow(window.first, FALSE);
    }
    ~ThreadWindowsDisabled() {
        for (const auto& window : windows_) {
            if (IsWindow(window.first)) EnableWindow(window.first, window.second ? TRUE : FALSE);
        }
    }
    ThreadWindowsDisabled(const ThreadWindowsDisabled&) = delete;
    ThreadWindowsDisabled& operator=(const ThreadWindowsDisabled&) = delete;

  private:
    static BOOL CALLBACK Remember(HWND window, LPARAM list) {
        if (GetParent(window) == nullptr) {
            reinterpret_cast<std::vector<std::pair<HWND, bool>>*>(list)->emplace_back(
                window, IsWindowEnabled(window) != 0);
        }
        return TRUE;
    }

    std::vector<std::pair<HWND, bool>> windows_;
};

// An item list the shell allocated; freed with the shell's own allocator.
class ShellItemList {
  public:
    explicit ShellItemList(PIDLIST_ABSOLUTE list) : list_(list) {}
    ~ShellItemList() {
        if (!list_) return;
        IMalloc* malloc = nullptr;
        if (SUCCEEDED(SHGetMalloc(&malloc)) && malloc) {
            malloc->Free(list_);
            malloc->Release();
        }
    }
    ShellItemList(const ShellItemList&) = delete;
    ShellItemList& operator=(const ShellItemList&) = delete;

    PIDLIST_ABSOLUTE Get() const { return list_; }

  private:
    PIDLIST_ABSOLUTE list_;
};

// Runs the classic dialog while the thread's windows are disabled; they are enabled again before
// the caller restores foreground and activation.
PIDLIST_ABSOLUTE Browse(HWND owner, const std::string& instruction) {
    ThreadWindowsDisabled disabled;
    char displayName[MAX_PATH] = {};
    BROWSEINFOA info = {};
    info.hwndOwner = owner;
    info.pidlRoot = nullptr;  // the whole namespace from the desktop down
    info.pszDisplayName = displayName;
    info.lpszTitle = instruction.c_str();
    info.ulFlags = BIF_EDITBOX;
    info.lpfn = nullptr;
    info.lParam = 0;
    return SHBrowseForFolderA(&info);
}

}  // namespace

std::optional<std::string> Win32Shell::PickFolder(const std::string& instruction) {
    HWND owner = GetActiveWindow();
    if (!IsWindow(owner)) owner = nullptr;
    HWND foreground = GetForegroundWindow();

    ShellItemList list(Browse(owner, instruction));

    if (foreground && IsWindow(foreground)) SetForegroundWindow(foreground);
    if (owner && IsWindow(owner)) SetActiveWindow(owner);
    if (!list.Get()) return std::nullopt;  // cancelled

    char path[MAX_PATH] = {};
    // Fails for items without a file-system path (the computer, the network).
    if (!SHGetPathFromIDListA(list.Get(), path)) return std::string();
    return std::string(path);
}

bool Win32Shell::PathExists(const std::string& path) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(path.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return false;
    FindClose(search);
    return true;
}

}  // namespace app
