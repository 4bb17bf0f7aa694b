#include "roomname/byte_masks.h"

namespace roomname::byte_masks {

Masks OfBlockScalar(const unsigned char* block) {
    Masks m;
    for (size_t i = 0; i < kBlock; ++i) {
        const uint64_t bit = uint64_t{1} << i;
        const unsigned char b = block[i];
        if (b >= 0x80) m.high |= bit;
        if (b == 0x0D) m.cr |= bit;
        if (b == 0x0A) m.lf |= bit;
        if (b == 0x1A) m.sub |= bit;
        if (b == 0x00) m.nul |= bit;
    }
    return m;
}

}  // namespace roomname::byte_masks
