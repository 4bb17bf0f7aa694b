// The message boxes (#32770 dialogs) a process under test shows.
#pragma once

#include <windows.h>

#include <string>

namespace driver {

struct MessageBoxSeen {
    HWND box = nullptr;
    std::string caption;
    std::string text;
};

// Waits for a #32770 box of the process; `box` is null when none appeared in time.
MessageBoxSeen WaitForMessageBox(DWORD processId, DWORD timeoutMs = 10000);
// Any #32770 window of the process right now (message box or folder picker), or null.
HWND AnyDialog(DWORD processId);
// The icon the box shows: compared with the system's stock icon by its pixels, so the answer is
// "the stop icon" or not, whatever handle the box holds.
bool ShowsErrorIcon(HWND box);
// The same pixel comparison with any of the system's stock icons (IDI_ERROR, IDI_INFORMATION).
bool ShowsStockIcon(HWND box, LPCSTR stockIcon);
// The icon the box's icon static holds (STM_GETICON), null for a box without an icon: Wine keeps
// that static even then, so its presence alone says nothing.
HICON IconHandle(HWND box);
// Presses the box's button with that id (IDOK, IDCANCEL) by a posted WM_COMMAND.
void PressButton(HWND box, int id);

}  // namespace driver
