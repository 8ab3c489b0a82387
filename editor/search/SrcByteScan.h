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

// Where a literal may start: the first q in [p, end - k) with q[0] equal to
// a0 or b0 and q[k] equal to a1 or b1. Built once per literal.
class TLiteralStartFinder {
public:
    TLiteralStartFinder() = default;
    TLiteralStartFinder(unsigned char a0, unsigned char b0, unsigned char a1, unsigned char b1, size_t k)
        : a0_(a0), b0_(b0), a1_(a1), b1_(b1), k_(k) {
#if defined(__SSE2__)
        va0_ = _mm_set1_epi8(static_cast<char>(a0));
        vb0_ = _mm_set1_epi8(static_cast<char>(b0));
        va1_ = _mm_set1_epi8(static_cast<char>(a1));
        vb1_ = _mm_set1_epi8(static_cast<char>(b1));
#endif
    }

    // end when there is none; reads nothing before begin or from end on.
    const char* Find(const char* begin, const char* p, const char* end) const {
        if (end - p <= static_cast<std::ptrdiff_t>(k_)) return end;
        const char* last = end - k_;  // starts lie below it
#if defined(__SSE2__)
        for (; last - p >= 32; p += 32)
            if (unsigned mask = Block(p) | Block(p + 16) << 16) return p + __builtin_ctz(mask);
        for (; last - p >= 16; p += 16)
            if (unsigned mask = Block(p)) return p + __builtin_ctz(mask);
        if (p < last && last - begin >= 16) {  // the rest, in one block that overlaps the last
            const char* q = last - 16;
            unsigned mask = Block(q) >> (p - q);
            return mask != 0 ? p + __builtin_ctz(mask) : end;
        }
#else
        (void)begin;
#endif
        for (; p < last; ++p) {
            auto c0 = static_cast<unsigned char>(p[0]), c1 = static_cast<unsigned char>(p[k_]);
            if ((c0 == a0_ || c0 == b0_) && (c1 == a1_ || c1 == b1_)) return p;
        }
        return end;
    }

private:
#if defined(__SSE2__)
    unsigned Block(const char* q) const {
        __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(q));
        __m128i y = _mm_loadu_si128(reinterpret_cast<const __m128i*>(q + k_));
        __m128i first = _mm_or_si128(_mm_cmpeq_epi8(x, va0_), _mm_cmpeq_epi8(x, vb0_));
        __m128i second = _mm_or_si128(_mm_cmpeq_epi8(y, va1_), _mm_cmpeq_epi8(y, vb1_));
        return static_cast<unsigned>(_mm_movemask_epi8(_mm_and_si128(first, second)));
    }
    __m128i va0_{}, vb0_{}, va1_{}, vb1_{};
#endif
    unsigned char a0_ = 0, b0_ = 0, a1_ = 0, b1_ = 0;
    size_t k_ = 0;
};
