#include "app/ole_session.h"

#include <windows.h>
#include <ole2.h>

namespace frame {
namespace {
bool g_oleFlag = false;
}

void StartOle() {
    if (g_oleFlag) return;
    OleInitialize(nullptr);
    g_oleFlag = true;
}

void EndOle() {
    if (!g_oleFlag) return;
    g_oleFlag = false;
    OleUninitialize();
}

}  // namespace frame
