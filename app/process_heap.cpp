#include "app/process_heap.h"

namespace frame {
namespace {
HANDLE g_heap = nullptr;
}

HANDLE TakeProcessHeap() {
    if (!g_heap) g_heap = GetProcessHeap();
    return g_heap;
}

HANDLE ProcessHeap() { return g_heap ? g_heap : TakeProcessHeap(); }

}  // namespace frame
