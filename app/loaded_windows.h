// The windows built from templates that still exist, and the end of the run when none is left.
#pragma once

namespace frame {

void WindowLoaded();
// Posts the quit message (exit code 0) when the last one goes while the loop runs.
void WindowUnloaded();
int LoadedWindows();
// Set just before the message loop starts.
void SetLoopFlag();

}  // namespace frame
