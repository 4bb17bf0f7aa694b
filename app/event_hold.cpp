#include "app/event_hold.h"

namespace frame {
namespace {
int g_holdCount = 0;
}

void HoldEvents() { ++g_holdCount; }
void ReleaseEvents() {
    if (g_holdCount > 0) --g_holdCount;
}
bool EventsHeld() { return g_holdCount > 0; }

}  // namespace frame
