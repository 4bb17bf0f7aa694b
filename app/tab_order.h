// The order in which Tab visits a window's controls. Portable: indices into the template.
#pragma once

#include <cstddef>

namespace frame {

// Goes through the template from its last control to its first and puts each eligible one after
// every control already listed whose key is smaller or equal: ascending keys, and among equal
// keys the control later in the template first. Writes indices to `out`; returns their number.
std::size_t BuildTabOrder(const int* keys, const bool* eligible, std::size_t count, int* out);

// The index to move to from `current` (-1 when the focus is on none of the listed controls):
// the next one, or with `backward` the one before, wrapping around. -1 when the list is empty.
int NextInTabOrder(const int* order, std::size_t orderCount, int current, bool backward);

}  // namespace frame
