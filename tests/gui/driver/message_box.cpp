#include "message_box.h"

#include <vector>

#include "window_query.h"

namespace driver {
namespace {

constexpr int kTextId = 0xFFFF;
constexpr int kIconId = 0x440;

// Pixels of a size x size square: from the screen at (x, y), or with `icon` drawn over a fill.
std::vector<COLORREF> Pixels(int size, int x, int y, HICON icon, COLORREF fill) {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, size, size);
    HGDIOBJ old = SelectObject(dc, bitmap);
    if (icon) {
        HBRUSH brush = CreateSolidBrush(fill);
        RECT all = {0, 0, size, size};
        FillRect(dc, &all, brush);
        DeleteObject(brush);
        DrawIconEx(dc, 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
    } else {
        BitBlt(dc, 0, 0, size, size, screen, x, y, SRCCOPY);
    }
    std::vector<COLORREF> pixels;
    for (int py = 0; py < size; ++py)
        for (int px = 0; px < size; ++px) pixels.push_back(GetPixel(dc, px, py));
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return pixels;
}

}  // namespace

HWND AnyDialog(DWORD processId) {
    std::vector<HWND> dialogs = TopLevelWindows(processId, "#32770");
    return dialogs.empty() ? nullptr : dialogs.front();
}

MessageBoxSeen WaitForMessageBox(DWORD processId, DWORD timeoutMs) {
    MessageBoxSeen seen;
    seen.box = WaitFor([&] { return AnyDialog(processId); }, timeoutMs);
    if (!seen.box) return seen;
    // The box may still be filling in its controls.
    WaitFor([&] { return GetDlgItem(seen.box, IDOK); }, 2000);
    seen.caption = TextOf(seen.box);
    if (HWND text = GetDlgItem(seen.box, kTextId)) seen.text = TextOf(text);
    return seen;
}

bool ShowsErrorIcon(HWND box) { return ShowsStockIcon(box, IDI_ERROR); }

HICON IconHandle(HWND box) {
    HWND iconStatic = GetDlgItem(box, kIconId);
    if (!iconStatic) return nullptr;
    DWORD_PTR icon = 0;
    if (!SendMessageTimeoutA(iconStatic, STM_GETICON, 0, 0, SMTO_ABORTIFHUNG, 5000, &icon))
        return nullptr;
    return reinterpret_cast<HICON>(icon);
}

bool ShowsStockIcon(HWND box, LPCSTR stockIcon) {
    HWND iconStatic = GetDlgItem(box, kIconId);
    if (!iconStatic || !IsWindowVisible(iconStatic)) return false;
    SetForegroundWindow(box);
    Sleep(200);  // drawn on top
    // An icon handle of another process cannot be drawn here: compare what the screen shows.
    const int size = GetSystemMetrics(SM_CXICON);
    POINT at = {0, 0};
    ClientToScreen(iconStatic, &at);
    std::vector<COLORREF> shown = Pixels(size, at.x, at.y, nullptr, 0);
    std::vector<COLORREF> stock = Pixels(size, 0, 0, LoadIcon(nullptr, stockIcon), shown[0]);
    std::size_t same = 0;
    for (std::size_t i = 0; i < shown.size(); ++i) same += shown[i] == stock[i];
    return same * 100 >= shown.size() * 95;
}

void PressButton(HWND box, int id) { PostMessageA(box, WM_COMMAND, id, 0); }

}  // namespace driver
