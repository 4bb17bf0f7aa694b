// The message loop of the GUI thread.
#pragma once

namespace frame {

// Sets the loop flag and runs until WM_QUIT; skipped when no loaded window exists.
// Gives the exit code carried by WM_QUIT (0 when the loop was skipped).
int RunMessageLoop();

}  // namespace frame
