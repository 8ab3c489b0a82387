#pragma once
// Finding the first of one or two bytes in a buffer.
#include <cstddef>
#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// The first position in [p, end) that holds a or b; end when there is none.
inline const char* FindEitherByte(const char* p, const char* end, unsigned char a, unsigned char b) {
#if defined(__SSE2__)
    const __m128i va = _mm_set1_epi8(static_cast<char>(a));
    const __m128i vb = _mm_set1_epi8(static_cast<char>(b));
    for (; end - p >= 16; p += 16) {
        __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        int mask = _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(chunk, va), _mm_cmpeq_epi8(chunk, vb)));
        if (mask != 0) return p + __builtin_ctz(static_cast<unsigned>(mask));
    }
#endif
    for (; p < end; ++p)
        if (static_cast<unsigned char>(*p) == a || static_cast<unsigned char>(*p) == b) return p;
    return end;
}

// The first position in [p, end) that holds c; end when there is none.
inline const char* FindByte(const char* p, const char* end, unsigned char c) {
    const void* hit = p < end ? std::memchr(p, c, static_cast<size_t>(end - p)) : nullptr;
    return hit != nullptr ? static_cast<const char*>(hit) : end;
}
