// Keys typed as a person would: SendInput to the foreground window. (A posted WM_KEYDOWN carries
// no Shift state: the receiver reads the real keyboard.)
#pragma once

#include <windows.h>

namespace driver {

// Makes `window` the foreground window; false when it did not become so.
bool BringToFront(HWND window);
// Presses and releases `key`, with Shift held when `shift`.
void TypeKey(WORD key, bool shift = false);

}  // namespace driver
