#include "app/win32_controls.h"

#include <windows.h>

#include "app/main_window.h"

namespace app {
namespace {

HWND EditBox(roomname::Box box) {
    const frame::WindowTemplate* tmpl = frame::LoadedTemplate();
    if (!tmpl) return nullptr;
    const char* name = box == roomname::Box::GameDir ? "编辑框1" : "编辑框2";
    return frame::ControlWindow(frame::FindControl(*tmpl, name));
}

}  // namespace

// Always from the control itself: the boxes are the tool's only state.
std::string Win32Controls::Read(roomname::Box box) {
    HWND edit = EditBox(box);
    int length = edit ? GetWindowTextLengthA(edit) : 0;
    if (length <= 0) return std::string();
    std::string text(static_cast<std::size_t>(length), '\0');
    int got = GetWindowTextA(edit, &text[0], length + 1);
    text.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
    return text;
}

void Win32Controls::Write(roomname::Box box, const std::string& text) {
    if (HWND edit = EditBox(box)) SetWindowTextA(edit, text.c_str());
}

}  // namespace app
