#include "app/startup.h"

#include "app/fatal_stop.h"
#include "app/frame_end.h"
#include "app/main_window.h"
#include "app/message_loop.h"
#include "app/ole_session.h"
#include "app/process_heap.h"
#include "app/program_folder.h"

namespace frame {

int RunFrame(HINSTANCE instance, const WindowTemplate* tmpl, const EventWiring& wiring) {
    TakeProcessHeap();
    StartOle();
    EnterProgramFolder();
    if (!TemplateReadable(tmpl)) FatalStop(kTemplateUnreadable);
    BindEvents(*tmpl, wiring);
    if (!LoadMainWindow(instance, *tmpl)) FatalStop(kMainWindowFailed);
    int exitCode = RunMessageLoop();
    ReleaseFrame();
    return exitCode;
}

}  // namespace frame
