// Waits until a top-level window with the given title is visible, so a script can take a
// screenshot or drive the program only once it is on the screen.
//   wait_window.exe TITLE [TIMEOUT_MS]   exit code 0 when seen, 1 on timeout, 2 on bad usage
#include <windows.h>

#include <cstdlib>

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    const DWORD timeout = argc > 2 ? static_cast<DWORD>(std::strtoul(argv[2], nullptr, 10)) : 20000;
    const DWORD start = GetTickCount();
    do {
        HWND window = FindWindowA(nullptr, argv[1]);
        if (window && IsWindowVisible(window)) return 0;
        Sleep(50);
    } while (GetTickCount() - start < timeout);
    return 1;
}
