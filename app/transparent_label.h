// 透明标签: a child window that draws only its text, over whatever lies behind it.
#pragma once

#include <windows.h>

namespace frame {

constexpr char kTransparentLabelClass[] = "RoomnameTransparentLabel";

bool RegisterTransparentLabel(HINSTANCE instance);

}  // namespace frame
