// Replaces the global operator new and delete with ones that keep a running count. Each block
// carries its size in a header so that delete can subtract it.
#include "heap_count.h"

#include <cstdlib>
#include <new>

namespace bench::heap {
namespace {

size_t live = 0;
size_t peak = 0;
constexpr size_t kHeader = alignof(std::max_align_t);

void* Allocate(size_t size) {
    void* block = std::malloc(size + kHeader);
    if (!block) return nullptr;
    *static_cast<size_t*>(block) = size;
    live += size;
    if (live > peak) peak = live;
    return static_cast<char*>(block) + kHeader;
}

void Release(void* p) {
    if (!p) return;
    void* block = static_cast<char*>(p) - kHeader;
    live -= *static_cast<size_t*>(block);
    std::free(block);
}

}  // namespace

size_t Live() { return live; }
size_t Peak() { return peak; }
void ResetPeak() { peak = live; }

}  // namespace bench::heap

void* operator new(size_t size) {
    if (void* p = bench::heap::Allocate(size)) return p;
    throw std::bad_alloc();
}
void* operator new[](size_t size) { return operator new(size); }
void* operator new(size_t size, const std::nothrow_t&) noexcept {
    return bench::heap::Allocate(size);
}
void* operator new[](size_t size, const std::nothrow_t&) noexcept {
    return bench::heap::Allocate(size);
}
void operator delete(void* p) noexcept { bench::heap::Release(p); }
void operator delete[](void* p) noexcept { bench::heap::Release(p); }
void operator delete(void* p, size_t) noexcept { bench::heap::Release(p); }
void operator delete[](void* p, size_t) noexcept { bench::heap::Release(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { bench::heap::Release(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { bench::heap::Release(p); }
