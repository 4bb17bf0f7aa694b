// Counts the bytes live on the C++ heap, to show what the reader holds at its peak.
#pragma once

#include <cstddef>

namespace bench::heap {

size_t Live();
size_t Peak();
// Starts a new peak from what is live now.
void ResetPeak();

}  // namespace bench::heap
