#pragma once
#include <cstdint>
#include <string>

// Up to Count bytes of S from the 1-based Index. An Index before the start
// counts from the start, a negative Count or an Index past the end gives
// an empty text: never an out-of-range copy.
inline std::string StrCopy(const std::string& S, int64_t Index, int64_t Count) {
    if (Index < 1) {
        Count += Index - 1;
        Index = 1;
    }
    auto size = static_cast<int64_t>(S.size());
    if (Count <= 0 || Index > size) {
        return std::string();
    }
    return S.substr(static_cast<size_t>(Index - 1), static_cast<size_t>(std::min(Count, size - Index + 1)));
}

// S from the 1-based Index to its end.
inline std::string StrCopyFrom(const std::string& S, int64_t Index) {
    return StrCopy(S, Index, static_cast<int64_t>(S.size()) + 1);
}
