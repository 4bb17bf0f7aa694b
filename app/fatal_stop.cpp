#include "app/fatal_stop.h"

#include <windows.h>

#include "app/event_hold.h"
#include "app/fatal_report.h"
#include "app/frame_end.h"

namespace frame {

void FatalStop(const char* message) {
    // Held for good: the box below is not task-modal, and the window's buttons must start nothing.
    HoldEvents();
    // Static: there may be no memory left, and a stop never returns to reuse it.
    static char report[1024];
    FormatFatalReport(message, report, sizeof report);
    MessageBoxA(nullptr, report, "错误", MB_ICONERROR);
    ReleaseFrame();
    ExitProcess(static_cast<UINT>(-1));
}

void FatalStopAllocation(std::size_t bytes) {
    static char message[64];
    FormatAllocationFailure(bytes, message, sizeof message);
    FatalStop(message);
}

}  // namespace frame
