#pragma once
#include <cstdint>

// A 1-based buffer position: byte index in the line and line number.
struct TBufferCoord {
    int32_t Char = 0;
    int32_t Line = 0;
    bool operator==(const TBufferCoord&) const = default;
};

// Text order: a earlier line, or the same line and a earlier column.
inline bool Before(const TBufferCoord& a, const TBufferCoord& b) {
    return a.Line < b.Line || (a.Line == b.Line && a.Char < b.Char);
}

// A 1-based display position: screen cell and row.
struct TDisplayCoord {
    int32_t Column = 0;
    int32_t Row = 0;
    bool operator==(const TDisplayCoord&) const = default;
};

struct TPoint {
    int32_t X = 0;
    int32_t Y = 0;
    bool operator==(const TPoint&) const = default;
};

// Left and top inclusive, right and bottom exclusive.
struct TRect {
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Right = 0;
    int32_t Bottom = 0;
    int32_t Width() const { return Right - Left; }
    int32_t Height() const { return Bottom - Top; }
    bool operator==(const TRect&) const = default;
};

inline TBufferCoord BufferCoord(int32_t AChar, int32_t ALine) { return {AChar, ALine}; }
inline TDisplayCoord DisplayCoord(int32_t AColumn, int32_t ARow) { return {AColumn, ARow}; }
inline TPoint Point(int32_t X, int32_t Y) { return {X, Y}; }
inline TRect Rect(int32_t Left, int32_t Top, int32_t Right, int32_t Bottom) {
    return {Left, Top, Right, Bottom};
}

// How a selection is shaped; also the mode byte of the clipboard block.
enum TSrcSelectionMode : uint8_t { smNormal = 0, smLine = 1, smColumn = 2 };
