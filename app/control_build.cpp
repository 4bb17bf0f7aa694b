#include "app/control_build.h"

#include "app/transparent_label.h"

namespace frame {
namespace {

constexpr DWORD kButtonStyle = WS_CHILD | WS_CLIPSIBLINGS | BS_PUSHBUTTON | BS_CENTER |
                               BS_VCENTER | BS_MULTILINE;
constexpr DWORD kEditStyle = WS_CHILD | WS_CLIPSIBLINGS | ES_LEFT | ES_AUTOHSCROLL;
constexpr DWORD kLabelStyle = WS_CHILD | WS_CLIPSIBLINGS;

void SetGuiFont(HWND control) {
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 FALSE);
}

// A single-line box lower than one line of its font plus its edges grows to that height.
void ApplyHeightRule(HWND edit) {
    HDC dc = GetDC(edit);
    HGDIOBJ oldFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SIZE extent = {};
    GetTextExtentPoint32A(dc, "中", 2, &extent);
    SelectObject(dc, oldFont);
    ReleaseDC(edit, dc);
    int needed = extent.cy + 2 * GetSystemMetrics(SM_CYEDGE);
    RECT r;
    GetWindowRect(edit, &r);
    if (r.bottom - r.top < needed)
        SetWindowPos(edit, nullptr, 0, 0, r.right - r.left, needed,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void SetUpEditBox(HWND edit) {
    ApplyHeightRule(edit);
    SendMessageA(edit, EM_LIMITTEXT, 0, 0);
    SendMessageA(edit, EM_SETSEL, 0, 0);
    SendMessageA(edit, EM_SCROLLCARET, 0, 0);
    // The edge comes last, by a frame change, so the steps above see the box without it.
    SetWindowLongPtrA(edit, GWL_EXSTYLE, GetWindowLongPtrA(edit, GWL_EXSTYLE) | WS_EX_CLIENTEDGE);
    SetWindowPos(edit, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

}  // namespace

HWND CreateControl(HINSTANCE instance, HWND parent, const ControlTemplate& control, int id) {
    const char* className = "BUTTON";
    DWORD style = kButtonStyle;
    DWORD exStyle = 0;
    switch (control.kind) {
        case ControlKind::PushButton:
            break;
        case ControlKind::EditBox:
            className = "EDIT";
            style = kEditStyle;
            break;
        case ControlKind::TransparentLabel:
            className = kTransparentLabelClass;
            style = kLabelStyle;
            exStyle = WS_EX_TRANSPARENT;
            break;
    }
    if (control.tabStop) style |= WS_TABSTOP;
    HWND hwnd = CreateWindowExA(exStyle, className, control.text, style, control.left, control.top,
                                control.width, control.height, parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
    if (!hwnd) return nullptr;
    if (control.kind == ControlKind::TransparentLabel) return hwnd;  // it takes the font when painting
    SetGuiFont(hwnd);
    if (control.kind == ControlKind::EditBox) SetUpEditBox(hwnd);
    return hwnd;
}

void RestackInTemplateOrder(const HWND* controls, std::size_t count) {
    constexpr UINT kKeep = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
    for (std::size_t i = 0; i < count; ++i)
        SetWindowPos(controls[i], i == 0 ? HWND_TOP : controls[i - 1], 0, 0, 0, 0, kKeep);
}

void ShowControls(const WindowTemplate& tmpl, const HWND* controls) {
    for (std::size_t i = 0; i < tmpl.controlCount; ++i)
        ShowWindow(controls[i], tmpl.controls[i].visible ? SW_SHOWNA : SW_HIDE);
}

}  // namespace frame
