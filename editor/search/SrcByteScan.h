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

// Where a literal of more than one character may start: the first q in
// [p, end - k) with q[0] equal to a0 or b0 and q[k] equal to a1 or b1; end
// when there is none. Reads nothing before begin or from end on.
inline const char* FindLiteralStart(const char* begin, const char* p, const char* end, unsigned char a0,
                                    unsigned char b0, unsigned char a1, unsigned char b1, size_t k) {
    if (end - p <= static_cast<std::ptrdiff_t>(k)) return end;
    const char* last = end - k;  // starts lie below it
    auto at = [&](const char* q) {
        auto c0 = static_cast<unsigned char>(q[0]), c1 = static_cast<unsigned char>(q[k]);
        return (c0 == a0 || c0 == b0) && (c1 == a1 || c1 == b1);
    };
#if defined(__SSE2__)
    const __m128i va0 = _mm_set1_epi8(static_cast<char>(a0)), vb0 = _mm_set1_epi8(static_cast<char>(b0));
    const __m128i va1 = _mm_set1_epi8(static_cast<char>(a1)), vb1 = _mm_set1_epi8(static_cast<char>(b1));
    auto block = [&](const char* q) {
        __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(q));
        __m128i y = _mm_loadu_si128(reinterpret_cast<const __m128i*>(q + k));
        __m128i first = _mm_or_si128(_mm_cmpeq_epi8(x, va0), _mm_cmpeq_epi8(x, vb0));
        __m128i second = _mm_or_si128(_mm_cmpeq_epi8(y, va1), _mm_cmpeq_epi8(y, vb1));
        return static_cast<unsigned>(_mm_movemask_epi8(_mm_and_si128(first, second)));
    };
    for (; last - p >= 16; p += 16)
        if (unsigned mask = block(p)) return p + __builtin_ctz(mask);
    if (p < last && last - begin >= 16) {  // the rest, in one block that overlaps the last
        const char* q = last - 16;
        unsigned mask = block(q) >> (p - q);
        return mask != 0 ? p + __builtin_ctz(mask) : end;
    }
#else
    (void)begin;
#endif
    for (; p < last; ++p)
        if (at(p)) return p;
    return end;
}
