#include <gtest/gtest.h>

#include "roomname/byte_masks.h"

namespace roomname::byte_masks {
namespace {

// The vector classification must agree with the byte-by-byte one for every byte value at every
// position of a block, including the positions where the 16-byte parts meet.
TEST(ByteMasks, VectorAndScalarAgreeForEveryByteAtEveryPosition) {
    for (int value = 0; value < 256; ++value) {
        for (size_t pos = 0; pos < kBlock; ++pos) {
            unsigned char block[kBlock];
            for (size_t i = 0; i < kBlock; ++i) block[i] = static_cast<unsigned char>('a' + i % 26);
            block[pos] = static_cast<unsigned char>(value);
            const Masks fast = OfBlock(block);
            const Masks slow = OfBlockScalar(block);
            const uint64_t bit = uint64_t{1} << pos;
            ASSERT_EQ(fast.high, slow.high) << value << " at " << pos;
            ASSERT_EQ(fast.cr, slow.cr) << value << " at " << pos;
            ASSERT_EQ(fast.lf, slow.lf) << value << " at " << pos;
            ASSERT_EQ(fast.sub, slow.sub) << value << " at " << pos;
            ASSERT_EQ(fast.nul, slow.nul) << value << " at " << pos;
            // The scalar one, in turn, marks exactly that byte.
            ASSERT_EQ(slow.high, value >= 0x80 ? bit : 0);
            ASSERT_EQ(slow.cr | slow.lf | slow.sub | slow.nul,
                      value == 0x0D || value == 0x0A || value == 0x1A || value == 0 ? bit : 0);
        }
    }
}

}  // namespace
}  // namespace roomname::byte_masks
