#include "app/tab_order.h"

namespace frame {

std::size_t BuildTabOrder(const int* keys, const bool* eligible, std::size_t count, int* out) {
    std::size_t listed = 0;
    for (std::size_t i = count; i-- > 0;) {
        if (!eligible[i]) continue;
        std::size_t at = listed;
        while (at > 0 && keys[out[at - 1]] > keys[i]) {
            out[at] = out[at - 1];
            --at;
        }
        out[at] = static_cast<int>(i);
        ++listed;
    }
    return listed;
}

int NextInTabOrder(const int* order, std::size_t orderCount, int current, bool backward) {
    if (orderCount == 0) return -1;
    int n = static_cast<int>(orderCount);
    int at = -1;
    for (int i = 0; i < n; ++i)
        if (order[i] == current) at = i;
    if (at < 0) return backward ? order[n - 1] : order[0];
    return order[backward ? (at + n - 1) % n : (at + 1) % n];
}

}  // namespace frame
