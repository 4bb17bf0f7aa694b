// frame_probe.exe CAUSE: the frame run so that it meets one cause of its fatal stop.
//   template          the template data is absent
//   bad-kind          a control of a kind the frame does not know
//   window            the main window cannot be created
//   control           the main window is created, its first control cannot be
//   alloc BYTES       the created event asks for BYTES bytes
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <new>

#include "app/startup.h"

namespace {

const char* g_refusedClass = nullptr;  // windows of this class cannot be created

LRESULT CALLBACK RefuseCreation(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
        const char* className = reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs->lpszClass;
        if (HIWORD(reinterpret_cast<ULONG_PTR>(className)) != 0 &&
            lstrcmpiA(className, g_refusedClass) == 0)
            return 1;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

std::size_t g_bytes = 0;
void* volatile g_block = nullptr;

void AllocateOnCreated(void*) { g_block = ::operator new(g_bytes); }

const frame::ControlTemplate kBadKind[] = {
    {"按钮1", static_cast<frame::ControlKind>(7), 10, 83, 96, 32, "选择目录", true, true, 0},
};
const frame::WindowTemplate kBadKindWindow = {"窗口", "Morvane Ravelgate", 274, 153,
                                              frame::ShowState::Centred, true, kBadKind, 1};

bool Starts(const char* text, const char* word) {
    return std::strncmp(text, word, std::strlen(word)) == 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR cause, int) {
    const frame::WindowTemplate* tmpl = frame::MainWindowTemplate();
    frame::Binding binding = {"窗口", frame::EventKind::Created, nullptr};
    frame::EventWiring wiring = {&binding, 1, nullptr};

    if (Starts(cause, "template")) {
        tmpl = nullptr;
    } else if (Starts(cause, "bad-kind")) {
        tmpl = &kBadKindWindow;
    } else if (Starts(cause, "window") || Starts(cause, "control")) {
        // The main window itself, or the first control made after it (编辑框1).
        g_refusedClass = Starts(cause, "window") ? "RoomnameMainWindow" : "Edit";
        SetWindowsHookExA(WH_CBT, RefuseCreation, nullptr, GetCurrentThreadId());
    } else if (Starts(cause, "alloc ")) {
        g_bytes = std::strtoull(cause + 6, nullptr, 10);
        binding.handler = AllocateOnCreated;
    }
    return frame::RunFrame(instance, tmpl, wiring);
}
