#pragma once
#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>

// Integer helpers for the editor's pixel and column arithmetic: sums and
// products are taken in 64 bits and cut to the 32-bit range.

inline int32_t ClampToInt32(int64_t Value) {
    return static_cast<int32_t>(std::clamp<int64_t>(Value, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

// A text's length, and the column just past it, as 32-bit positions.
inline int32_t LengthOf(const std::string& Text) { return ClampToInt32(static_cast<int64_t>(Text.size())); }
inline int32_t LengthPlusOne(const std::string& Text) { return ClampToInt32(static_cast<int64_t>(Text.size()) + 1); }

// Number x Numerator / Denominator rounded to the nearest, halves away
// from zero; -1 when Denominator is 0.
inline int32_t MulDiv(int32_t Number, int32_t Numerator, int32_t Denominator) {
    if (Denominator == 0) {
        return -1;
    }
    int64_t product = static_cast<int64_t>(Number) * Numerator;
    int64_t half = std::abs(static_cast<int64_t>(Denominator)) / 2;
    bool negative = (product < 0) != (Denominator < 0);
    int64_t magnitude = (std::abs(product) + half) / std::abs(static_cast<int64_t>(Denominator));
    return ClampToInt32(negative ? -magnitude : magnitude);
}
