#include "editor/control/SrcWrapLine.h"

#include <algorithm>

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The end (exclusive) of the row that starts at Start; Start + Max lies
// inside the line.
size_t RowEnd(std::string_view Line, size_t Start, size_t Max, size_t Min, const TSrcWrapLimits& Limits) {
    size_t end = Start + Max;
    if (!IsBlank(Line[end])) {
        for (size_t q = end - 1; q >= Start + Min; --q) {
            if (Limits.BreakChars.test(static_cast<unsigned char>(Line[q]))) {
                return q + 1;
            }
        }
        return end;
    }
    while (end < Line.size() && IsBlank(Line[end])) {
        ++end;
    }
    if (end - Start > static_cast<size_t>(kSrcMaxRowLength)) {
        size_t cut = Start + kSrcMaxRowLength;
        // Back up to a tab stop, unless the row is all tab.
        end = cut;
        int backUp = kSrcMaxRowLength % std::max(Limits.TabWidth, 1);
        while (backUp-- > 0 && end > Start && Line[end - 1] == '\t') {
            --end;
        }
        if (end == Start) {
            end = cut;
        }
    }
    return end;
}

}  // namespace

void WrapExpandedLine(std::string_view Line, const TSrcWrapLimits& Limits, std::vector<uint8_t>& Rows) {
    size_t max = static_cast<size_t>(std::clamp(Limits.MaxRowLength, 1, kSrcMaxRowLength));
    size_t min = static_cast<size_t>(std::clamp(Limits.MinRowLength, 1, static_cast<int>(max)));
    size_t start = 0;
    while (start + max < Line.size()) {
        size_t end = RowEnd(Line, start, max, min, Limits);
        Rows.push_back(static_cast<uint8_t>(end - start));
        start = end;
    }
    Rows.push_back(static_cast<uint8_t>(Line.size() - start));
}
