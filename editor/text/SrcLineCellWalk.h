#pragma once
#include <cstdint>
#include <string>

// Walks the cells of a line with tabs from its start, a run of other bytes
// at a time: a tab spans the cells up to the next stop, any other byte one
// cell (a tab width below 1 counts as 1).
class TLineCellWalk {
public:
    TLineCellWalk(const std::string& Line, int TabWidth) : line_(Line), tabWidth_(TabWidth < 1 ? 1 : TabWidth) {}

    // The cells of the first Bytes bytes (past the end one cell a byte).
    int64_t CellsOf(int64_t Bytes) const;
    // The byte that holds the 0-based Cell (past the end one byte a cell)
    // and, in FirstCell, that byte's first cell.
    int64_t ByteOf(int64_t Cell, int64_t& FirstCell) const;
    // The expanded cells [From, From + Count), cut at the line's end: a tab
    // gives tab bytes, or a space with a tab width below 2.
    std::string Expand(int64_t From, int64_t Count) const;

private:
    int64_t Span(int64_t Cell) const { return tabWidth_ - Cell % tabWidth_; }

    const std::string& line_;
    int tabWidth_;
};
