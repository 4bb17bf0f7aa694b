#include "app/focus_navigation.h"

#include "app/main_window.h"
#include "app/tab_order.h"

namespace frame {
namespace {

HWND g_remembered = nullptr;

std::size_t CurrentTabOrder(int* order) {
    const WindowTemplate* tmpl = LoadedTemplate();
    if (!tmpl) return 0;
    int keys[kMaxControls];
    bool eligible[kMaxControls];
    for (std::size_t i = 0; i < tmpl->controlCount; ++i) {
        HWND control = ControlWindow(static_cast<int>(i));
        LONG style = control ? GetWindowLongA(control, GWL_STYLE) : 0;
        keys[i] = tmpl->controls[i].tabKey;
        eligible[i] = (style & WS_VISIBLE) && (style & WS_TABSTOP) && IsWindowEnabled(control);
    }
    return BuildTabOrder(keys, eligible, tmpl->controlCount, order);
}

void FocusControl(int index) {
    if (index >= 0) SetFocus(ControlWindow(index));
}

}  // namespace

void MoveFocusByTab(bool backward) {
    int order[kMaxControls];
    std::size_t count = CurrentTabOrder(order);
    FocusControl(NextInTabOrder(order, count, ControlIndex(GetFocus()), backward));
}

void RememberFocus() {
    HWND focus = GetFocus();
    g_remembered = (focus && IsChild(MainWindow(), focus)) ? focus : nullptr;
}

void RestoreFocus() {
    HWND remembered = g_remembered;
    g_remembered = nullptr;
    if (remembered && IsChild(MainWindow(), remembered)) {
        SetFocus(remembered);
        return;
    }
    int order[kMaxControls];
    if (CurrentTabOrder(order) > 0) FocusControl(order[0]);
}

}  // namespace frame
