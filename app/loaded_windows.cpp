#include "app/loaded_windows.h"

#include <windows.h>

namespace frame {
namespace {
int g_loaded = 0;
bool g_loopFlag = false;
}  // namespace

void WindowLoaded() { ++g_loaded; }

void WindowUnloaded() {
    if (g_loaded > 0) --g_loaded;
    if (g_loopFlag && g_loaded == 0) PostQuitMessage(0);
}

int LoadedWindows() { return g_loaded; }

void SetLoopFlag() { g_loopFlag = true; }

}  // namespace frame
