// The event hold count: while it is above zero no event reaches a handler.
#pragma once

namespace frame {

void HoldEvents();
void ReleaseEvents();
bool EventsHeld();

}  // namespace frame
