#include "app/transparent_label.h"

namespace frame {
namespace {

void Paint(HWND label) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(label, &ps);
    char text[256];
    int length = GetWindowTextA(label, text, sizeof text);
    RECT client;
    GetClientRect(label, &client);
    HGDIOBJ oldFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    DrawTextA(dc, text, length, &client, DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOCLIP);
    SelectObject(dc, oldFont);
    EndPaint(label, &ps);
}

LRESULT CALLBACK LabelProc(HWND label, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            Paint(label);
            return 0;
        case WM_ERASEBKGND:
            return 1;  // no background of its own
    }
    return DefWindowProcA(label, message, wParam, lParam);
}

}  // namespace

bool RegisterTransparentLabel(HINSTANCE instance) {
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = LabelProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    wc.lpszClassName = kTransparentLabelClass;
    return RegisterClassExA(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace frame
