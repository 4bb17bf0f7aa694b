// 窗口: built from its template, hidden and with events held; created event; then shown.
#pragma once

#include <windows.h>

#include "app/window_template.h"

namespace frame {

// False when the window or one of its controls cannot be built (nothing is left of it then).
bool LoadMainWindow(HINSTANCE instance, const WindowTemplate& tmpl);

HWND MainWindow();
const WindowTemplate* LoadedTemplate();
// The control at a template index, or null.
HWND ControlWindow(int index);
// The template index of a control of the main window, or -1.
int ControlIndex(HWND control);

}  // namespace frame
