// Keyboard focus inside the main window: Tab navigation and the focus on activation.
#pragma once

#include <windows.h>

namespace frame {

// Moves the focus to the next (or previous) control in Tab order.
void MoveFocusByTab(bool backward);

// On deactivation: remember the child of the main window that has the focus, if any.
void RememberFocus();
// When the main window receives the focus: the remembered child, else the first in Tab order.
void RestoreFocus();

}  // namespace frame
