#include "app/message_loop.h"

#include <windows.h>

#include "app/key_filter.h"
#include "app/loaded_windows.h"

namespace frame {

int RunMessageLoop() {
    SetLoopFlag();
    if (LoadedWindows() == 0) return 0;
    MSG msg = {};
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (TakeKeyMessage(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}

}  // namespace frame
