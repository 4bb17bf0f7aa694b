// OLE on the GUI thread, for the shell's folder picker.
#pragma once

namespace frame {

// Calls OleInitialize once; the result is not examined (a failure shows later in the picker).
void StartOle();
// OleUninitialize, when StartOle ran.
void EndOle();

}  // namespace frame
