#include "editor/text/SrcMiscProcs.h"

#include <algorithm>
#include <utility>

TSrcCharSet CharSetOf(const std::string& chars) {
    TSrcCharSet set;
    for (char c : chars) {
        set.set(static_cast<unsigned char>(c));
    }
    return set;
}

TSrcCharSet CharRange(unsigned char first, unsigned char last) {
    TSrcCharSet set;
    for (unsigned c = first; c <= last; ++c) {
        set.set(c);
    }
    return set;
}

int MinMax(int x, int mi, int ma) { return std::max(std::min(x, ma), mi); }

void SwapInt(int& l, int& r) { std::swap(l, r); }

TPoint MaxPoint(const TPoint& P1, const TPoint& P2) {
    if (P2.Y > P1.Y || (P2.Y == P1.Y && P2.X > P1.X)) {
        return P2;
    }
    return P1;
}

TPoint MinPoint(const TPoint& P1, const TPoint& P2) {
    if (P2.Y < P1.Y || (P2.Y == P1.Y && P2.X < P1.X)) {
        return P2;
    }
    return P1;
}

TBufferCoord MaxPoint(const TBufferCoord& P1, const TBufferCoord& P2) {
    TPoint p = MaxPoint(Point(P1.Char, P1.Line), Point(P2.Char, P2.Line));
    return BufferCoord(p.X, p.Y);
}

TBufferCoord MinPoint(const TBufferCoord& P1, const TBufferCoord& P2) {
    TPoint p = MinPoint(Point(P1.Char, P1.Line), Point(P2.Char, P2.Line));
    return BufferCoord(p.X, p.Y);
}

std::vector<int32_t> GetIntArray(int Count, int32_t InitialValue) {
    return std::vector<int32_t>(static_cast<size_t>(std::max(Count, 0)), InitialValue);
}

int StrScanForCharInSet(const std::string& Line, int Start, const TSrcCharSet& AChars) {
    int length = static_cast<int>(Line.size());
    for (int i = std::max(Start, 1); i <= length; ++i) {
        if (AChars.test(static_cast<unsigned char>(Line[static_cast<size_t>(i - 1)]))) {
            return i;
        }
    }
    return 0;
}

int StrRScanForCharInSet(const std::string& Line, int Start, const TSrcCharSet& AChars) {
    for (int i = std::min(Start, static_cast<int>(Line.size())); i >= 1; --i) {
        if (AChars.test(static_cast<unsigned char>(Line[static_cast<size_t>(i - 1)]))) {
            return i;
        }
    }
    return 0;
}

int StrScanForMultiByteChar(const std::string&, int) { return 0; }
int StrRScanForMultiByteChar(const std::string&, int) { return 0; }

const char* GetEOL(const char* Line) {
    while (*Line != '\0' && *Line != '\n' && *Line != '\r') {
        ++Line;
    }
    return Line;
}

std::string EncodeString(const std::string& s) {
    std::string result;
    result.reserve(s.size() * 2);
    for (char c : s) {
        if (c == '\\') {
            result += "\\\\";
        } else if (c == '/') {
            result += "\\.";
        } else {
            result.push_back(c);
        }
    }
    return result;
}

std::string DecodeString(const std::string& s) {
    std::string result;
    result.reserve(s.size());
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '\\' || i + 1 == s.size()) {
            result.push_back(s[i]);
            continue;
        }
        ++i;
        result.push_back(s[i] == '\\' ? '\\' : '/');
    }
    return result;
}

std::string TrimTrailingSpaces(const std::string& s) {
    size_t end = s.find_last_not_of(" \t");
    return end == std::string::npos ? std::string() : s.substr(0, end + 1);
}
