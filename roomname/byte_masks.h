// Classifies 64 bytes at once into bit masks (bit i for byte i), so that the last-line scan
// handles whole blocks with a few word operations instead of a branch per byte.
#pragma once

#include <cstddef>
#include <cstdint>

#if defined(__SSE2__) && !defined(ROOMNAME_SCALAR_MASKS)
#include <emmintrin.h>
#endif

namespace roomname::byte_masks {

constexpr size_t kBlock = 64;

struct Masks {
    uint64_t high = 0;  // 0x80-0xFF: a lead byte unless it is a trail
    uint64_t cr = 0;    // 0x0D
    uint64_t lf = 0;    // 0x0A
    uint64_t sub = 0;   // 0x1A
    uint64_t nul = 0;   // 0x00
};

// Byte by byte; the reference for the vector version.
Masks OfBlockScalar(const unsigned char* block);

// 16 bytes per step with SSE2 where the target has it, else the scalar version (also chosen by
// defining ROOMNAME_SCALAR_MASKS, so it can be checked on SSE2 machines). Inline: it runs once per
// 64 bytes of the file.
#if defined(__SSE2__) && !defined(ROOMNAME_SCALAR_MASKS)
namespace sse2 {

// The 16 compare bits of one 16-byte part, placed at bit 16 * part.
inline uint64_t Bits(__m128i x, int part) {
    return static_cast<uint64_t>(static_cast<unsigned>(_mm_movemask_epi8(x))) << (16 * part);
}

inline void AddPart(const unsigned char* block, int part, Masks& m) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(block + 16 * part));
    m.high |= Bits(v, part);
    m.cr |= Bits(_mm_cmpeq_epi8(v, _mm_set1_epi8(0x0D)), part);
    m.lf |= Bits(_mm_cmpeq_epi8(v, _mm_set1_epi8(0x0A)), part);
    m.sub |= Bits(_mm_cmpeq_epi8(v, _mm_set1_epi8(0x1A)), part);
    m.nul |= Bits(_mm_cmpeq_epi8(v, _mm_setzero_si128()), part);
}

}  // namespace sse2

inline Masks OfBlock(const unsigned char* block) {
    Masks m;
    sse2::AddPart(block, 0, m);  // written out: a loop here costs a variable shift per part
    sse2::AddPart(block, 1, m);
    sse2::AddPart(block, 2, m);
    sse2::AddPart(block, 3, m);
    return m;
}
#else
inline Masks OfBlock(const unsigned char* block) { return OfBlockScalar(block); }
#endif

}  // namespace roomname::byte_masks
