#include "benchmarks/editorcontrol/HeapPeak.h"

#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<size_t> now{0};
std::atomic<size_t> peak{0};

void* Take(size_t size) {
    void* block = std::malloc(size ? size : 1);
    if (!block) {
        throw std::bad_alloc();
    }
    size_t held = now += malloc_usable_size(block);
    for (size_t seen = peak; held > seen && !peak.compare_exchange_weak(seen, held);) {
    }
    return block;
}

void Give(void* block) {
    if (block) {
        now -= malloc_usable_size(block);
        std::free(block);
    }
}

}  // namespace

size_t HeapBytesNow() { return now; }
size_t HeapBytesPeak() { return peak; }
void ResetHeapPeak() { peak = now.load(); }

void* operator new(size_t size) { return Take(size); }
void* operator new[](size_t size) { return Take(size); }
void operator delete(void* block) noexcept { Give(block); }
void operator delete[](void* block) noexcept { Give(block); }
void operator delete(void* block, size_t) noexcept { Give(block); }
void operator delete[](void* block, size_t) noexcept { Give(block); }
