// Global operator new/delete on the process heap. Compiled into each program that uses the frame
// (an object in a static library would only be linked when nothing else defined new first).
// Running out of memory is a fatal stop naming the byte count, never an exception; the nothrow
// forms still give null.
#include <cstddef>
#include <new>

#include "app/fatal_stop.h"
#include "app/process_heap.h"

namespace {

void* Allocate(std::size_t size) {
    return HeapAlloc(frame::ProcessHeap(), 0, size ? size : 1);
}

void* AllocateOrStop(std::size_t size) {
    void* block = Allocate(size);
    if (!block) frame::FatalStopAllocation(size);
    return block;
}

void Release(void* block) {
    if (block) HeapFree(frame::ProcessHeap(), 0, block);
}

}  // namespace

void* operator new(std::size_t size) { return AllocateOrStop(size); }
void* operator new[](std::size_t size) { return AllocateOrStop(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }

void operator delete(void* block) noexcept { Release(block); }
void operator delete[](void* block) noexcept { Release(block); }
void operator delete(void* block, std::size_t) noexcept { Release(block); }
void operator delete[](void* block, std::size_t) noexcept { Release(block); }
void operator delete(void* block, const std::nothrow_t&) noexcept { Release(block); }
void operator delete[](void* block, const std::nothrow_t&) noexcept { Release(block); }
