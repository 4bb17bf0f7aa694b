// What the frame holds until the end of a run, ended or stopped.
#pragma once

namespace frame {

// Releases the window's icons and ends OLE; safe to call more than once.
void ReleaseFrame();

}  // namespace frame
