#include "editor/text/SrcTabConvert.h"

#include <string.h>

#include "editor/text/SrcLineCellWalk.h"

namespace {

constexpr char kTab = '\t';

// Cells from the 0-based column x to the next stop.
int GeneralSpan(int x, int TabWidth) { return TabWidth - x % TabWidth; }
int MaskSpan(int x, int TabWidth) { return ((x + TabWidth) & ~(TabWidth - 1)) - x; }
int OneSpan(int, int) { return 1; }

template <int (*Span)(int, int), char Fill>
std::string Expand(const std::string& Line, int TabWidth, bool& HasTabs) {
    size_t firstTab = Line.find(kTab);
    HasTabs = firstTab != std::string::npos;
    if (!HasTabs) {
        return Line;
    }
    // Measure first, so the result is sized once; text after the last tab
    // counts one cell a character.
    // memrchr: the string's own rfind goes one byte a step.
    const void* last = memrchr(Line.data(), kTab, Line.size());
    size_t lastTab = static_cast<size_t>(static_cast<const char*>(last) - Line.data());
    int width = static_cast<int>(firstTab);
    for (size_t i = firstTab; i <= lastTab; ++i) {
        width += Line[i] == kTab ? Span(width, TabWidth) : 1;
    }
    std::string result;
    result.reserve(static_cast<size_t>(width) + (Line.size() - lastTab - 1));
    result.append(Line, 0, firstTab);
    for (size_t i = firstTab; i <= lastTab; ++i) {
        if (Line[i] == kTab) {
            result.append(static_cast<size_t>(Span(static_cast<int>(result.size()), TabWidth)), Fill);
        } else {
            result.push_back(Line[i]);
        }
    }
    result.append(Line, lastTab + 1, std::string::npos);
    return result;
}

int SafeWidth(int TabWidth) { return TabWidth < 1 ? 1 : TabWidth; }

std::string ConvertTabs1Ex(const std::string& Line, int TabWidth, bool& HasTabs) {
    return Expand<OneSpan, ' '>(Line, TabWidth, HasTabs);
}
std::string ConvertTabs1(const std::string& Line, int TabWidth) {
    bool hasTabs = false;
    return ConvertTabs1Ex(Line, TabWidth, hasTabs);
}
std::string ConvertTabs2nEx(const std::string& Line, int TabWidth, bool& HasTabs) {
    return Expand<MaskSpan, kTab>(Line, TabWidth, HasTabs);
}
std::string ConvertTabs2n(const std::string& Line, int TabWidth) {
    bool hasTabs = false;
    return ConvertTabs2nEx(Line, TabWidth, hasTabs);
}

bool IsPowerOfTwo(int value) { return value > 0 && (value & (value - 1)) == 0; }

bool HasTabBefore(const std::string& Line, int Index) {
    size_t limit = static_cast<size_t>(Index - 1);
    size_t tab = Line.find(kTab);
    return tab != std::string::npos && tab < limit;
}

}  // namespace

int GetExpandedLength(const std::string& Line, int TabWidth) {
    return static_cast<int>(TLineCellWalk(Line, TabWidth).CellsOf(static_cast<int64_t>(Line.size())));
}

std::string ConvertTabsEx(const std::string& Line, int TabWidth, bool& HasTabs) {
    return Expand<GeneralSpan, kTab>(Line, SafeWidth(TabWidth), HasTabs);
}

std::string ConvertTabs(const std::string& Line, int TabWidth) {
    bool hasTabs = false;
    return ConvertTabsEx(Line, TabWidth, hasTabs);
}

TConvertTabsProc GetBestConvertTabsProc(int TabWidth) {
    if (TabWidth < 2) {
        return &ConvertTabs1;
    }
    if (IsPowerOfTwo(TabWidth) && TabWidth <= 65536) {
        return &ConvertTabs2n;
    }
    return &ConvertTabs;
}

TConvertTabsProcEx GetBestConvertTabsProcEx(int TabWidth) {
    if (TabWidth < 2) {
        return &ConvertTabs1Ex;
    }
    if (IsPowerOfTwo(TabWidth) && TabWidth <= 65536) {
        return &ConvertTabs2nEx;
    }
    return &ConvertTabsEx;
}

int CharIndex2CaretPos(int Index, int TabWidth, const std::string& Line) {
    if (Index <= 1) {
        return 1;
    }
    if (TabWidth <= 1 || !HasTabBefore(Line, Index)) {
        return Index;
    }
    return static_cast<int>(TLineCellWalk(Line, TabWidth).CellsOf(Index - 1)) + 1;
}

int CaretPos2CharIndex(int Position, int TabWidth, const std::string& Line, bool& InsideTabChar) {
    InsideTabChar = false;
    if (Position <= 1 || TabWidth <= 1 || !HasTabBefore(Line, Position)) {
        return Position;
    }
    int64_t firstCell = 0;
    int64_t byte = TLineCellWalk(Line, TabWidth).ByteOf(Position - 1, firstCell);
    InsideTabChar = Position - 1 > firstCell;  // only a tab spans more than one cell
    return static_cast<int>(byte) + 1;
}
