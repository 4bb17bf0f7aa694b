// Keys the main window handles before they reach the focused control.
#pragma once

#include <windows.h>

namespace frame {

// True when the message was taken here (Tab and Shift+Tab inside the main window) and must not
// be translated or dispatched. Every other key goes on unchanged: no button is a default push
// button, and Esc, F1 and Alt+letter have nothing to start.
bool TakeKeyMessage(const MSG& msg);

}  // namespace frame
