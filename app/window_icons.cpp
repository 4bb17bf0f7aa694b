#include "app/window_icons.h"

namespace frame {
namespace {

HICON g_large = nullptr;
HICON g_small = nullptr;

HICON LoadIconSized(HINSTANCE instance, int size) {
    return static_cast<HICON>(LoadImageA(instance, "DEFAULT_ICON", IMAGE_ICON, size, size, 0));
}

}  // namespace

void GiveWindowIcons(HINSTANCE instance, HWND window) {
    g_large = LoadIconSized(instance, 32);
    g_small = LoadIconSized(instance, 16);
    SendMessageA(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(g_large));
    SendMessageA(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(g_small));
}

void ReleaseWindowIcons() {
    if (g_large) DestroyIcon(g_large);
    if (g_small) DestroyIcon(g_small);
    g_large = g_small = nullptr;
}

}  // namespace frame
