// Creating the template's controls as children of the main window.
#pragma once

#include <windows.h>

#include <cstddef>

#include "app/window_template.h"

namespace frame {

// Creates the control hidden, with its font and, for an edit box, its set-up and edge.
// Null when the control cannot be created.
HWND CreateControl(HINSTANCE instance, HWND parent, const ControlTemplate& control, int id);

// The first control at the top of the children, each next one directly below the one before.
void RestackInTemplateOrder(const HWND* controls, std::size_t count);

// SW_SHOWNA for the visible ones, hidden for the rest.
void ShowControls(const WindowTemplate& tmpl, const HWND* controls);

}  // namespace frame
