#include "editor/text/SrcLineCellWalk.h"

#include <algorithm>
#include <cstring>

namespace {
constexpr char kTab = '\t';

// The first tab in [From, To), or To.
size_t NextTab(const std::string& Line, size_t From, size_t To) {
    const void* tab = From < To ? std::memchr(Line.data() + From, kTab, To - From) : nullptr;
    return tab ? static_cast<size_t>(static_cast<const char*>(tab) - Line.data()) : To;
}
}  // namespace

int64_t TLineCellWalk::CellsOf(int64_t Bytes) const {
    if (Bytes <= 0) {
        return 0;
    }
    const size_t end = std::min(static_cast<size_t>(Bytes), line_.size());
    int64_t cells = 0;
    for (size_t i = 0; i < end;) {
        size_t tab = NextTab(line_, i, end);
        cells += static_cast<int64_t>(tab - i);
        if (tab < end) {
            cells += Span(cells);
        }
        i = tab + 1;
    }
    return cells + (Bytes - static_cast<int64_t>(end));  // past the end one cell a byte
}

int64_t TLineCellWalk::ByteOf(int64_t Cell, int64_t& FirstCell) const {
    const size_t size = line_.size();
    int64_t cells = 0;
    for (size_t i = 0; i < size;) {
        size_t tab = NextTab(line_, i, size);
        int64_t run = static_cast<int64_t>(tab - i);
        if (Cell < cells + run) {
            FirstCell = Cell;
            return static_cast<int64_t>(i) + (Cell - cells);
        }
        cells += run;
        if (tab == size) {
            break;
        }
        int64_t span = Span(cells);
        if (Cell < cells + span) {
            FirstCell = cells;
            return static_cast<int64_t>(tab);
        }
        cells += span;
        i = tab + 1;
    }
    FirstCell = Cell;
    return static_cast<int64_t>(size) + (Cell - cells);
}

std::string TLineCellWalk::Expand(int64_t From, int64_t Count) const {
    int64_t cell = 0;
    size_t byte = static_cast<size_t>(ByteOf(From, cell));
    const char fill = tabWidth_ < 2 ? ' ' : kTab;
    std::string cells;
    int64_t left = static_cast<int64_t>(line_.size() - std::min(byte, line_.size()));
    cells.reserve(static_cast<size_t>(std::min(Count, left) + tabWidth_));
    for (; byte < line_.size() && cell < From + Count; ++byte) {
        if (line_[byte] == kTab) {
            int64_t span = Span(cell);
            cells.append(static_cast<size_t>(span), fill);
            cell += span;
        } else {
            cells.push_back(line_[byte]);
            ++cell;
        }
    }
    // The walk began at the first cell of From's byte.
    int64_t skip = From - (cell - static_cast<int64_t>(cells.size()));
    if (skip >= static_cast<int64_t>(cells.size())) {
        return std::string();
    }
    return cells.substr(static_cast<size_t>(skip), static_cast<size_t>(Count));
}
