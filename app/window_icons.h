// The executable's icon group as the main window's large and small icon.
#pragma once

#include <windows.h>

namespace frame {

void GiveWindowIcons(HINSTANCE instance, HWND window);
void ReleaseWindowIcons();

}  // namespace frame
