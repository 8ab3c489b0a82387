#pragma once
#include <cstddef>

// Heap bytes of this program's C++ allocations: the bytes held now and the
// most held since the last ResetHeapPeak.
size_t HeapBytesNow();
size_t HeapBytesPeak();
void ResetHeapPeak();
