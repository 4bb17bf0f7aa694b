// The run of the frame, from start-up to the exit code.
#pragma once

#include <windows.h>

#include "app/event_wiring.h"
#include "app/window_template.h"

namespace frame {

// Heap, OLE, program folder, template, main window, message loop, end. Gives the exit code of
// WM_QUIT; a fatal stop on the way ends the process with -1 instead of returning.
int RunFrame(HINSTANCE instance, const WindowTemplate* tmpl, const EventWiring& wiring);

}  // namespace frame
