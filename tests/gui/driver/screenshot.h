// A picture of a window as it stands on the screen, for a person to look at.
#pragma once

#include <windows.h>

#include <string>

namespace driver {

// Copies the window's outer rectangle from the screen into a 24-bit BMP file.
bool SaveWindowPicture(HWND window, const std::string& bmpPath);

}  // namespace driver
