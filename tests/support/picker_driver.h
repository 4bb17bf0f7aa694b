// Drives the shell's classic folder picker as a person would, through its folder tree: find the
// dialog, walk and expand the tree, select an item, press OK or Cancel. Works on a picker shown by
// this process (from another thread) or by another process on the same desktop.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <optional>
#include <string>
#include <vector>

namespace picker_driver {

// The dialog's parts: the folder tree and the two buttons keep fixed ids.
constexpr int kTreeId = 0x3741;
constexpr int kOkId = IDOK;
constexpr int kCancelId = IDCANCEL;

struct Picker {
    HWND dialog = nullptr;
    HWND tree = nullptr;
};

// Waits up to `timeoutMs` for a visible picker (a #32770 dialog with a SysTreeView32 of id
// kTreeId) owned by process `processId`.
std::optional<Picker> WaitForPicker(DWORD processId, DWORD timeoutMs);

// The item's text as the tree shows it (ANSI). nullopt when it cannot be read.
std::optional<std::string> ItemText(HWND tree, HTREEITEM item);

// The top-level items when `item` is null; otherwise `item` is expanded (which makes the picker
// list its folders the first time) and its children are returned.
std::vector<HTREEITEM> Children(HWND tree, HTREEITEM item);

HTREEITEM Parent(HWND tree, HTREEITEM item);

// The first child of `parent` (null: a top-level item) whose text equals `text`, ignoring case.
HTREEITEM FindChild(HWND tree, HTREEITEM parent, const std::string& text);

// The item of drive `letter` ("...(C:)"), looked for two levels below the top: the desktop, then
// the computer. Its parent is the computer, an item without a file-system path.
HTREEITEM FindDrive(HWND tree, char letter);

// The item of an absolute folder path such as "C:\a\b": the drive, then each folder by name.
HTREEITEM FindFolder(HWND tree, const std::string& path);

// Makes `item` the selection, as a click on it would.
bool Select(HWND tree, HTREEITEM item);

// Presses a button of the dialog without waiting for the dialog to close.
bool Press(const Picker& picker, int buttonId);

}  // namespace picker_driver
