#include "keys.h"

#include "window_query.h"

namespace driver {
namespace {

INPUT KeyInput(WORD key, bool up) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

}  // namespace

bool BringToFront(HWND window) {
    SetForegroundWindow(window);
    return WaitFor([&] { return GetForegroundWindow() == window ? window : nullptr; }, 3000) !=
           nullptr;
}

void TypeKey(WORD key, bool shift) {
    INPUT inputs[4];
    UINT n = 0;
    if (shift) inputs[n++] = KeyInput(VK_SHIFT, false);
    inputs[n++] = KeyInput(key, false);
    inputs[n++] = KeyInput(key, true);
    if (shift) inputs[n++] = KeyInput(VK_SHIFT, true);
    SendInput(n, inputs, sizeof(INPUT));
}

}  // namespace driver
