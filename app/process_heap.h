// The process heap: the store of every text of the tool.
#pragma once

#include <windows.h>

namespace frame {

// Takes the process heap at start-up; later calls give the same heap.
HANDLE TakeProcessHeap();
// The heap taken; takes it first when asked before start-up (static initialisers).
HANDLE ProcessHeap();

}  // namespace frame
