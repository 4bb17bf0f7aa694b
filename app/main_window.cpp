#include "app/main_window.h"

#include "app/control_build.h"
#include "app/event_hold.h"
#include "app/event_wiring.h"
#include "app/focus_navigation.h"
#include "app/loaded_windows.h"
#include "app/transparent_label.h"
#include "app/window_icons.h"

namespace frame {
namespace {

constexpr char kMainWindowClass[] = "RoomnameMainWindow";
constexpr DWORD kMainWindowStyle = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

HWND g_main = nullptr;
const WindowTemplate* g_template = nullptr;
HWND g_controls[kMaxControls] = {};

void FillBackground(HWND window, HDC dc) {
    RECT r;
    GetClientRect(window, &r);
    FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND:
            FillBackground(window, reinterpret_cast<HDC>(wParam));
            return 1;
        case WM_COMMAND:
            if (HIWORD(wParam) == BN_CLICKED && lParam) {
                int index = ControlIndex(reinterpret_cast<HWND>(lParam));
                if (index >= 0) DeliverClick(index);
                return 0;
            }
            break;
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) RememberFocus();
            break;
        case WM_SETFOCUS:
            RestoreFocus();
            return 0;
        case WM_DESTROY:
            if (window == g_main) {
                g_main = nullptr;
                for (HWND& control : g_controls) control = nullptr;
            }
            WindowUnloaded();
            return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

bool RegisterMainWindowClass(HINSTANCE instance) {
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    wc.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    wc.lpfnWndProc = MainWindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    // Hollow: the window fills its own background with the button-face colour.
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    wc.lpszClassName = kMainWindowClass;
    return RegisterClassExA(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

// Centred on the primary screen, at exactly the template's outer size.
HWND CreateMainWindow(HINSTANCE instance, const WindowTemplate& tmpl) {
    int left = (GetSystemMetrics(SM_CXSCREEN) - tmpl.width) / 2;
    int top = (GetSystemMetrics(SM_CYSCREEN) - tmpl.height) / 2;
    HWND window = CreateWindowExA(0, kMainWindowClass, tmpl.title, kMainWindowStyle, left, top,
                                  tmpl.width, tmpl.height, nullptr, nullptr, instance, nullptr);
    if (!window) return nullptr;
    WindowLoaded();
    RECT r;
    GetWindowRect(window, &r);
    if (r.right - r.left != tmpl.width || r.bottom - r.top != tmpl.height)
        MoveWindow(window, left, top, tmpl.width, tmpl.height, FALSE);
    return window;
}

bool BuildMainWindow(HINSTANCE instance, const WindowTemplate& tmpl) {
    if (!RegisterMainWindowClass(instance) || !RegisterTransparentLabel(instance)) return false;
    HWND window = CreateMainWindow(instance, tmpl);
    if (!window) return false;
    g_main = window;
    g_template = &tmpl;
    GiveWindowIcons(instance, window);
    SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 FALSE);
    // Creation order: the last control of the template first.
    for (std::size_t i = tmpl.controlCount; i-- > 0;) {
        g_controls[i] = CreateControl(instance, window, tmpl.controls[i], static_cast<int>(i) + 1);
        if (!g_controls[i]) {
            DestroyWindow(window);
            g_template = nullptr;
            return false;
        }
    }
    RestackInTemplateOrder(g_controls, tmpl.controlCount);
    ShowControls(tmpl, g_controls);
    return true;
}

int ShowCommand(ShowState show) {
    switch (show) {
        case ShowState::Minimised: return SW_SHOWMINIMIZED;
        case ShowState::Maximised: return SW_SHOWMAXIMIZED;
        default: return SW_SHOW;
    }
}

}  // namespace

bool LoadMainWindow(HINSTANCE instance, const WindowTemplate& tmpl) {
    HoldEvents();
    bool built = BuildMainWindow(instance, tmpl);
    ReleaseEvents();
    if (!built) return false;
    DeliverCreated();
    if (g_main && tmpl.visible) ShowWindow(g_main, ShowCommand(tmpl.show));
    return true;
}

HWND MainWindow() { return g_main; }

const WindowTemplate* LoadedTemplate() { return g_main ? g_template : nullptr; }

HWND ControlWindow(int index) {
    if (index < 0 || index >= static_cast<int>(kMaxControls)) return nullptr;
    return g_controls[index];
}

int ControlIndex(HWND control) {
    if (!control || !g_template) return -1;
    for (std::size_t i = 0; i < g_template->controlCount; ++i)
        if (g_controls[i] == control) return static_cast<int>(i);
    return -1;
}

}  // namespace frame
